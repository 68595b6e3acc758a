#pragma once

#include <glm/vec4.hpp>

namespace Vexmor::hud {

// Anything text can be drawn on: the font only fills rectangles.
class TextCanvas {
public:
    virtual ~TextCanvas() = default;

    // Fills the pixels x0 <= x < x1, y0 <= y < y1 (rows from the top) with a colour in 0..1;
    // whatever lies outside the canvas is left out.
    virtual void fillRect(int x0, int y0, int x1, int y1, const glm::vec4& colour) = 0;
};

} // namespace Vexmor::hud
