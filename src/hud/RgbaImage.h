#pragma once

#include "hud/TextCanvas.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Vexmor::hud {

// 8-bit RGBA pixels, rows from the top, all clear at first. Filling replaces what is
// there, alpha included.
class RgbaImage : public TextCanvas {
public:
    using Pixel = std::array<std::uint8_t, 4>;

    RgbaImage(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    Pixel at(int x, int y) const;
    // The rows bottom first, as GL takes a texture whose top is v = 1.
    std::vector<std::uint8_t> bottomUpRows() const;

    void fillRect(int x0, int y0, int x1, int y1, const glm::vec4& colour) override;

private:
    int w;
    int h;
    std::vector<std::uint8_t> pixels;
};

} // namespace Vexmor::hud
