#pragma once

#include "engine/GlName.h"
#include "engine/RenderContext.h"

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include <cstdint>

namespace Vexmor::engine {
class Model;
}

namespace Vexmor::engine::framebuffer {

// Where the level's main pass is drawn when it is drawn below the window's resolution: a
// colour texture and a depth-stencil buffer of the scaled size, multisampled like the
// window when it is, then stretched over the window with linear filtering.
class SceneTarget {
public:
    SceneTarget() = default;
    SceneTarget(const SceneTarget&) = delete;
    SceneTarget& operator=(const SceneTarget&) = delete;

    // The size a framebuffer of `size` pixels is drawn at with `scale`; at least a pixel.
    static glm::ivec2 scaledSize(glm::ivec2 size, float scale);

    // Binds the target at `size` (made anew when the size or samples change) and sets the
    // viewport to it; false when the driver can't make it complete.
    bool bind(glm::ivec2 size, int samples);
    // Draws what the target holds over the whole window (`windowSize`), leaving the
    // window's framebuffer bound.
    void present(glm::ivec2 windowSize);

    glm::ivec2 getSize() const { return size; }
    // Releases the GL objects; the next bind makes them again.
    void release();

private:
    bool make(glm::ivec2 newSize, int newSamples);

    glm::ivec2 size{0, 0};
    int samples = 0;
    bool complete = false;
    // Resolved colour, the one the window is drawn from.
    GlFramebuffer resolved;
    GlTexture colour;
    GlRenderbuffer resolvedDepth;
    // Only with samples: where the pass draws before it is resolved.
    GlFramebuffer multisampled;
    GlRenderbuffer multisampledColour;
    GlRenderbuffer multisampledDepth;

    // The screen quad and the simple texture program that draw the target over the window.
    Model* quad = nullptr;
    std::uint32_t program = 0;
    int transformLocation = -1;
    int textureLocation = -1;
    // The unit quad doubled covers clip space, so the window.
    const glm::mat4 fullWindow{2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f,
                               0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    RenderContext quadContext;
};

} // namespace Vexmor::engine::framebuffer
