#include "engine/framebuffer/FramebufferManager.h"

#include <GL/glew.h>

namespace Vexmor::engine::framebuffer {

FramebufferManager::~FramebufferManager() {
    if (complete) {
        glDeleteFramebuffers(1, &framebuffer);
    }
}

bool FramebufferManager::generate() {
    logStep("Generate Framebuffer ...", [this] { glGenFramebuffers(1, &framebuffer); });
    logStep("Bind Framebuffer...", [this] { glBindFramebuffer(GL_FRAMEBUFFER, framebuffer); });
    attach();
    GLenum status = 0;
    logStep("Check Framebuffer...",
            [&status] { status = glCheckFramebufferStatus(GL_FRAMEBUFFER); });

    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    complete = status == GL_FRAMEBUFFER_COMPLETE;
    return complete;
}

void FramebufferManager::bind() {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void FramebufferManager::unbind() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

std::uint32_t FramebufferManager::getTexture() {
    return texture;
}

int FramebufferManager::getWidth() {
    return width;
}

int FramebufferManager::getHeight() {
    return height;
}

} // namespace Vexmor::engine::framebuffer
