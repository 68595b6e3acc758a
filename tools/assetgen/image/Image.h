#pragma once

#include "Generator.h"
#include "hud/TextCanvas.h"

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include <vector>

namespace Vexmor::assetgen {

// Linear RGBA in 0..1, rows from the top. Written to PNG bottom row first, so the top
// of the picture is the top of the texture (v = 1) in the game.
class Image : public hud::TextCanvas {
public:
    Image(int width, int height, const glm::vec4& fill = glm::vec4(0, 0, 0, 1));

    int width() const { return w; }
    int height() const { return h; }
    glm::vec4& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * w + x]; }
    const glm::vec4& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * w + x]; }
    // Straight alpha "over" with extra coverage (anti-aliased edges).
    void blend(int x, int y, const glm::vec4& colour, float coverage = 1.0f);
    void fillRect(int x0, int y0, int x1, int y1, const glm::vec4& colour) override;

private:
    int w;
    int h;
    std::vector<glm::vec4> pixels;
};

// A 24-bit PNG, or 32-bit with `withAlpha`.
Bytes encodePng(const Image& image, bool withAlpha);

float smoothstep(float edge0, float edge1, float x);

} // namespace Vexmor::assetgen
