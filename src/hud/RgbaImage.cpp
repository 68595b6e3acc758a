#include "hud/RgbaImage.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::hud {

namespace {

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

RgbaImage::RgbaImage(int width, int height)
    : w(std::max(width, 0)), h(std::max(height, 0)),
      pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 0) {}

RgbaImage::Pixel RgbaImage::at(int x, int y) const {
    const std::size_t start = (static_cast<std::size_t>(y) * w + x) * 4;
    return {pixels[start], pixels[start + 1], pixels[start + 2], pixels[start + 3]};
}

std::vector<std::uint8_t> RgbaImage::bottomUpRows() const {
    std::vector<std::uint8_t> rows(pixels.size());
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 4;
    for (int y = 0; y < h; ++y) {
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes), rowBytes,
                    rows.begin() + static_cast<std::ptrdiff_t>((h - 1 - y) * rowBytes));
    }
    return rows;
}

void RgbaImage::fillRect(int x0, int y0, int x1, int y1, const glm::vec4& colour) {
    const Pixel pixel{toByte(colour.r), toByte(colour.g), toByte(colour.b), toByte(colour.a)};
    for (int y = std::max(y0, 0); y < std::min(y1, h); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, w); ++x) {
            std::copy(pixel.begin(), pixel.end(),
                      pixels.begin() + static_cast<std::ptrdiff_t>((y * w + x) * 4));
        }
    }
}

} // namespace Vexmor::hud
