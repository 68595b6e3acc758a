#include "engine/framebuffer/SceneTarget.h"

#include "engine/Model.h"
#include "engine/ModelLibrary.h"
#include "engine/ScreenTexture.h"
#include "engine/ShaderLibrary.h"
#include "engine/ShaderProgram.h"

#include <GL/glew.h>
#include <glm/common.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cmath>

namespace Vexmor::engine::framebuffer {

namespace {

void storeDepth(GlRenderbuffer& buffer, glm::ivec2 size, int samples) {
    buffer.generate();
    glBindRenderbuffer(GL_RENDERBUFFER, buffer.get());
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH24_STENCIL8, size.x, size.y);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                              buffer.get());
}

} // namespace

glm::ivec2 SceneTarget::scaledSize(glm::ivec2 size, float scale) {
    const glm::vec2 scaled = glm::round(glm::vec2(size) * scale);
    return glm::max(glm::ivec2(scaled), glm::ivec2(1));
}

bool SceneTarget::make(glm::ivec2 newSize, int newSamples) {
    release();
    size = newSize;
    samples = newSamples;

    resolved.generate();
    glBindFramebuffer(GL_FRAMEBUFFER, resolved.get());
    // Linear: a scaled picture is smoothed, not blocky; at full size each texel meets its
    // own pixel's centre, so nothing blurs.
    makeScreenTexture(colour, size.x, size.y, nullptr);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour.get(), 0);
    if (samples == 0) {
        storeDepth(resolvedDepth, size, 0);
    }
    complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;

    if (samples > 0) {
        multisampled.generate();
        glBindFramebuffer(GL_FRAMEBUFFER, multisampled.get());
        multisampledColour.generate();
        glBindRenderbuffer(GL_RENDERBUFFER, multisampledColour.get());
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, size.x, size.y);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  multisampledColour.get());
        storeDepth(multisampledDepth, size, samples);
        complete = complete && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return complete;
}

bool SceneTarget::bind(glm::ivec2 newSize, int newSamples) {
    if (newSize != size || newSamples != samples || !resolved) {
        make(newSize, newSamples);
    }
    if (!complete) {
        return false;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, samples > 0 ? multisampled.get() : resolved.get());
    glViewport(0, 0, size.x, size.y);
    return true;
}

void SceneTarget::present(glm::ivec2 windowSize) {
    if (samples > 0) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, multisampled.get());
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolved.get());
        glBlitFramebuffer(0, 0, size.x, size.y, 0, 0, size.x, size.y, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, windowSize.x, windowSize.y);
    if (quad == nullptr) {
        ModelLibrary& models = ModelLibrary::getInstance();
        models.defaultProgram = ShaderLibrary::getInstance().guiProgram.get();
        quad = models.getModel("models\\gui_plane.obj");
        program = ShaderLibrary::getInstance().simpleTextureProgram->handle;
        transformLocation = glGetUniformLocation(program, "transform");
        textureLocation = glGetUniformLocation(program, "colorTexture");
    }
    if (quad == nullptr) {
        return;
    }
    // The texture as it is, unlit and unblended, over everything.
    glDisable(GL_DEPTH_TEST);
    glUseProgram(program);
    glUniformMatrix4fv(transformLocation, 1, GL_FALSE, glm::value_ptr(fullWindow));
    glUniform1i(textureLocation, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, colour.get());
    glBindVertexArray(quad->vertexArray.get());
    quad->drawElements(quadContext);
    glBindVertexArray(0);
    glUseProgram(0);
    glEnable(GL_DEPTH_TEST);
}

void SceneTarget::release() {
    multisampledDepth.reset();
    multisampledColour.reset();
    multisampled.reset();
    resolvedDepth.reset();
    colour.reset();
    resolved.reset();
    complete = false;
    size = glm::ivec2(0);
}

} // namespace Vexmor::engine::framebuffer
