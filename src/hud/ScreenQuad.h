#pragma once

#include "engine/RenderContext.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::engine {
class Model;
class ShaderProgram;
} // namespace Vexmor::engine

namespace Vexmor::hud {

// A picture drawn over the window with the GUI program on the shared screen quad, without
// depth; the caller sets the blending.
class ScreenQuad {
public:
    ScreenQuad();

    bool isReady() const { return quad != nullptr; }
    // `placement` maps the quad (-0.5..0.5) to clip space.
    void draw(unsigned int texture, const glm::mat4& placement);

private:
    engine::Model* quad = nullptr;
    engine::ShaderProgram* program = nullptr;
    int placementLocation = -1;
    int textureLocation = -1;
    engine::RenderContext quadContext;
};

} // namespace Vexmor::hud
