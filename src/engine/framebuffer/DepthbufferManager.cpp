#include "engine/framebuffer/DepthbufferManager.h"

#include <GL/glew.h>

namespace Vexmor::engine::framebuffer {

DepthbufferManager::~DepthbufferManager() {
    releaseAttachments();
}

void DepthbufferManager::attach() {
    width = size;
    height = size;
    logStep("Tell OpenGL that this is not a color-buffer...", [] {
        glDrawBuffer(GL_NONE);
        glReadBuffer(GL_NONE);
    });
    logStep("Generate texture...", [this] { glGenTextures(1, &texture); });
    logStep("Bind texture...", [this] { glBindTexture(GL_TEXTURE_2D, texture); });
    logStep("Init texture...", [this] {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, width, height, 0, GL_DEPTH_COMPONENT,
                     GL_UNSIGNED_BYTE, nullptr);
    });
    logStep("Set texture params...", [] {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
        // Comparison on, so shaders sample the map as a shadow sampler.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
        glBindTexture(GL_TEXTURE_2D, 0);
    });
    logStep("Set texture as rendertarget...",
            [this] { glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, texture, 0); });
}

void DepthbufferManager::releaseAttachments() {
    if (texture != 0) {
        glDeleteTextures(1, &texture);
        texture = 0;
    }
}

} // namespace Vexmor::engine::framebuffer
