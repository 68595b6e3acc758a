#include "hud/BitmapFont.h"
#include "image/Noise.h"
#include "image/Textures.h"

#include "Random.h"

#include <glm/geometric.hpp>
#include <glm/vec2.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Vexmor::assetgen {

using hud::drawCentredText;
using hud::drawText;
using hud::textHeight;
using hud::TextStyle;
using hud::textWidth;

namespace {

constexpr float pi = 3.14159265f;

struct Area {
    int x0, y0, x1, y1;
};

// Paints a shape with edges smoothed by 4 x 4 samples per pixel; only pixels inside
// `area` are looked at.
void paint(Image& image, const std::function<bool(float, float)>& inside, const glm::vec4& colour,
           Area area) {
    constexpr int samples = 4;
    for (int y = std::max(area.y0, 0); y < std::min(area.y1, image.height()); ++y) {
        for (int x = std::max(area.x0, 0); x < std::min(area.x1, image.width()); ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    hits += inside(x + (sx + 0.5f) / samples, y + (sy + 0.5f) / samples) ? 1 : 0;
                }
            }
            if (hits > 0) {
                image.blend(x, y, colour, static_cast<float>(hits) / (samples * samples));
            }
        }
    }
}

void paint(Image& image, const std::function<bool(float, float)>& inside, const glm::vec4& colour) {
    paint(image, inside, colour, {0, 0, image.width(), image.height()});
}

Area around(float cx, float cy, float rx, float ry) {
    return {static_cast<int>(cx - rx) - 1, static_cast<int>(cy - ry) - 1,
            static_cast<int>(cx + rx) + 2, static_cast<int>(cy + ry) + 2};
}

// Inside an axis-aligned ellipse.
std::function<bool(float, float)> ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        const float dx = (x - cx) / rx;
        const float dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0f;
    };
}

std::function<bool(float, float)> ellipseRing(float cx, float cy, float rx, float ry,
                                              float thickness) {
    const auto outer = ellipse(cx, cy, rx, ry);
    const auto inner = ellipse(cx, cy, rx - thickness * rx / ry, ry - thickness);
    return [=](float x, float y) { return outer(x, y) && !inner(x, y); };
}

std::function<bool(float, float)> roundedRect(float x0, float y0, float x1, float y1, float r) {
    return [=](float x, float y) {
        const float dx = std::max({x0 + r - x, 0.0f, x - (x1 - r)});
        const float dy = std::max({y0 + r - y, 0.0f, y - (y1 - r)});
        return x >= x0 && x <= x1 && y >= y0 && y <= y1 && dx * dx + dy * dy <= r * r;
    };
}

std::function<bool(float, float)> thickLine(glm::vec2 a, glm::vec2 b, float width) {
    return [=](float x, float y) {
        const glm::vec2 p(x, y);
        const glm::vec2 ab = b - a;
        const float t = std::clamp(glm::dot(p - a, ab) / glm::dot(ab, ab), 0.0f, 1.0f);
        return glm::length(p - (a + ab * t)) <= width * 0.5f;
    };
}

// Full-screen images are stretched from 1024 x 1024 to the 1024 x 768 window, so they are
// drawn with pixels a third taller than wide to come out square.
TextStyle screenText(int scale, const glm::vec4& colour) {
    TextStyle style;
    style.pixelWidth = 3 * scale;
    style.pixelHeight = 4 * scale;
    style.colour = colour;
    style.shadow = glm::vec4(0.0f, 0.0f, 0.0f, 0.7f);
    return style;
}

void verticalGradient(Image& image, const glm::vec3& top, const glm::vec3& bottom) {
    for (int y = 0; y < image.height(); ++y) {
        const float t = static_cast<float>(y) / (image.height() - 1);
        for (int x = 0; x < image.width(); ++x) {
            image.at(x, y) = glm::vec4(top + (bottom - top) * t, 1.0f);
        }
    }
}

void stars(Image& image, int count, std::uint64_t seed, const glm::vec4& colour) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const int x = random.below(image.width());
        const int y = random.below(image.height());
        const float brightness = random.range(0.3f, 1.0f);
        image.blend(x, y, colour, brightness);
        if (brightness > 0.85f) {
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                image.blend(x + dx, y + dy, colour, brightness * 0.5f);
            }
        }
    }
}

const glm::vec4 warmWhite(1.0f, 0.96f, 0.88f, 1.0f);
const glm::vec4 amber(1.0f, 0.72f, 0.25f, 1.0f);
const glm::vec4 cyan(0.4f, 0.92f, 1.0f, 1.0f);

// The hints are shown 0.1 x 0.1 of the screen: on 1024 x 768 a texel is a third wider
// than tall, so widths here are three quarters of what they show as.
constexpr float hintAspect = 0.75f;

// A dark see-through disc with a ring, on which a hint's sign stands.
Image hintDisc(const glm::vec4& ring) {
    constexpr float ry = 58.0f;
    constexpr float rx = ry * hintAspect;
    Image image(128, 128, glm::vec4(0.0f));
    paint(image, ellipse(64, 64, rx, ry), glm::vec4(0.04f, 0.06f, 0.1f, 0.6f));
    paint(image, ellipseRing(64, 64, rx, ry, 7.0f), ring);
    return image;
}

} // namespace

Image interactHint() {
    Image image = hintDisc(warmWhite);
    TextStyle style;
    style.pixelWidth = 6;
    style.pixelHeight = 8;
    style.colour = warmWhite;
    style.shadow = glm::vec4(0.0f, 0.0f, 0.0f, 0.6f);
    drawText(image, "E", 64 - textWidth("E", style) / 2, 64 - textHeight(style) / 2, style);
    return image;
}

Image lockedHint() {
    Image image = hintDisc(glm::vec4(1.0f, 0.38f, 0.28f, 1.0f));
    // A padlock, measured as it shows: x offsets from the middle are scaled on drawing.
    const auto shown = [](float x) { return (x - 64.0f) / hintAspect; };
    const auto shackle = [&](float x, float y) {
        const float dx = shown(x);
        const float dy = y - 54.0f;
        const float reach = dy <= 0.0f ? std::sqrt(dx * dx + dy * dy) : std::abs(dx);
        return y <= 66.0f && reach >= 12.0f && reach <= 19.0f;
    };
    paint(image, shackle, glm::vec4(0.78f, 0.8f, 0.84f, 1.0f));
    paint(image, roundedRect(64 - 26 * hintAspect, 62, 64 + 26 * hintAspect, 98, 5), amber);
    const glm::vec4 hole(0.1f, 0.07f, 0.04f, 1.0f);
    paint(image, ellipse(64, 75, 6 * hintAspect, 6), hole);
    paint(image, roundedRect(64 - 2.5f * hintAspect, 75, 64 + 2.5f * hintAspect, 89, 1), hole);
    return image;
}

Image otherSideHint() {
    // The use hint's disc at the left, where the hint shows, with an arrow round a lit
    // machine; the words to its right on a dark backing. Shown four times as wide as the
    // hint, so texels have the hint's shape and x offsets are scaled alike.
    Image image(512, 128, glm::vec4(0.0f));
    const glm::vec4 backing(0.04f, 0.06f, 0.1f, 0.6f);
    paint(image, roundedRect(96, 4, 504, 124, 18), backing);
    paint(image, ellipse(64, 64, 58 * hintAspect, 58), backing);
    paint(image, ellipseRing(64, 64, 58 * hintAspect, 58, 7.0f), cyan);
    const auto shown = [](float x) { return (x - 64.0f) / hintAspect; };
    paint(image, ellipse(64, 64, 10 * hintAspect, 10), cyan);
    // Three quarters of a turn from below the machine round its left to above it, where
    // the head points on to the right.
    constexpr float radius = 30.0f;
    const auto arc = [&](float x, float y) {
        const float dx = shown(x);
        const float dy = y - 64.0f;
        const float angle = std::atan2(dy, dx);
        const float reach = std::hypot(dx, dy);
        return std::abs(reach - radius) <= 4.5f && (angle >= pi * 0.5f || angle <= -pi * 0.5f);
    };
    paint(image, arc, warmWhite);
    const auto head = [&](float x, float y) {
        const float dx = shown(x);
        const float dy = y - (64.0f - radius);
        return dx >= -2.0f && dx <= 14.0f && std::abs(dy) <= (14.0f - dx) * 0.75f;
    };
    paint(image, head, warmWhite);
    TextStyle style;
    style.pixelWidth = 5;
    style.pixelHeight = 7;
    style.colour = warmWhite;
    style.shadow = glm::vec4(0.0f, 0.0f, 0.0f, 0.6f);
    drawText(image, "USE FROM THE", 128, 64 - textHeight(style) - 4, style);
    drawText(image, "OTHER SIDE", 128, 64 + 4, style);
    return image;
}

Image crosshair() {
    // Four arms two pixels wide, from 3 to 11 pixels off the middle, each pixel of them
    // edged with a dark pixel, so it shows on bright walls and dark ones; drawn one
    // texel to a window pixel.
    constexpr int size = 32;
    const auto arm = [](int x, int y) {
        const auto across = [](int v) { return v == 15 || v == 16; };
        const auto along = [](int v) { return (v >= 5 && v < 13) || (v >= 19 && v < 27); };
        return (across(y) && along(x)) || (across(x) && along(y));
    };
    Image image(size, size, glm::vec4(0.0f));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    edge = edge || arm(x + dx, y + dy);
                }
            }
            if (arm(x, y)) {
                image.at(x, y) = glm::vec4(1.0f, 1.0f, 1.0f, 0.95f);
            } else if (edge) {
                image.at(x, y) = glm::vec4(0.03f, 0.03f, 0.05f, 0.8f);
            }
        }
    }
    return image;
}

Image onGroundIndicator() {
    Image image(256, 64, glm::vec4(0.0f));
    paint(image, roundedRect(3, 8, 253, 56, 12), glm::vec4(0.3f, 0.9f, 0.4f, 1.0f));
    paint(image, roundedRect(6, 11, 250, 53, 9), glm::vec4(0.03f, 0.1f, 0.04f, 1.0f));
    // The fill should let the view through: lower the alpha inside the border.
    for (int y = 11; y < 53; ++y) {
        for (int x = 6; x < 250; ++x) {
            glm::vec4& p = image.at(x, y);
            if (p.a > 0.99f && p.g < 0.2f) {
                p.a = 0.65f;
            }
        }
    }
    TextStyle style;
    style.pixelWidth = 4;
    style.pixelHeight = 4;
    style.colour = glm::vec4(0.55f, 1.0f, 0.6f, 1.0f);
    drawCentredText(image, "ON GROUND", 128, 32 - textHeight(style) / 2, style);
    return image;
}

Image helpScreen() {
    Image image(1024, 1024);
    verticalGradient(image, {0.06f, 0.07f, 0.15f}, {0.02f, 0.02f, 0.05f});
    stars(image, 400, 0x4E1, glm::vec4(0.7f, 0.8f, 1.0f, 0.5f));
    paint(image, ellipseRing(512, 512, 470, 470 * 4.0f / 3.0f, 10),
          glm::vec4(0.35f, 0.5f, 0.9f, 0.12f), around(512, 512, 470, 470 * 4.0f / 3.0f));
    drawCentredText(image, "VEXMOR", 512, 48, screenText(4, cyan));
    drawCentredText(image, "A PUZZLE IN TWO ERAS", 512, 180, screenText(1, warmWhite));
    drawCentredText(image, "GOAL: REACH THE TIME MACHINE AND USE IT.", 512, 232,
                    screenText(1, amber));

    const std::pair<const char*, const char*> controls[] = {
        {"MOUSE", "LOOK AROUND"},
        {"W / S", "FORWARD / BACKWARD"},
        {"A / D", "STEP LEFT / RIGHT"},
        {"LEFT SHIFT", "MOVE FASTER"},
        {"SPACE", "JUMP"},
        {"E", "USE DOOR OR TIME MACHINE"},
        {"T", "SWITCH ERA"},
        {"L", "HOLD TO FREEZE THE SHADOW LIGHT"},
        {"B", "PRINT THE BALL POSITION"},
        {"F1", "HELP ON / OFF"},
        {"F2", "FRAME STATISTICS"},
        {"F3", "WIREFRAME"},
        {"F4", "TEXTURE FILTER"},
        {"F5", "MIPMAPS"},
        {"F8", "VIEW-FRUSTUM CULLING"},
        {"F11", "FULL SCREEN ON / OFF"},
        {"F12", "SCREENSHOT"},
        {"ESC", "QUIT"},
    };
    constexpr int top = 300;
    constexpr int spacing = 34;
    constexpr int keyRight = 330;
    constexpr int descriptionLeft = 372;
    const int rows = static_cast<int>(std::size(controls));
    const Area panel{80, top - 22, 945, top + rows * spacing + 9};
    paint(image, roundedRect(80, top - 22, 944, top + rows * spacing + 8, 24),
          glm::vec4(0.12f, 0.15f, 0.28f, 0.55f), panel);
    const TextStyle key = screenText(1, amber);
    const TextStyle description = screenText(1, warmWhite);
    for (int i = 0; i < rows; ++i) {
        const int y = top + i * spacing;
        drawText(image, controls[i].first, keyRight - textWidth(controls[i].first, key), y, key);
        drawText(image, controls[i].second, descriptionLeft, y, description);
    }
    drawCentredText(image, "F1 CLOSES THIS HELP", 512, 960,
                    screenText(1, glm::vec4(0.6f, 0.7f, 0.9f, 1.0f)));
    return image;
}

Image winningScreen() {
    Image image(1024, 1024);
    // Rays of gold around a portal, fading into violet at the edges.
    const glm::vec2 centre(512.0f, 660.0f);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const glm::vec2 d((x - centre.x), (y - centre.y) * 0.75f);
            const float distance = glm::length(d) / 700.0f;
            const float angle = std::atan2(d.y, d.x);
            const float ray = 0.5f + 0.5f * std::cos(angle * 16.0f);
            const glm::vec3 gold(1.0f, 0.78f, 0.32f);
            const glm::vec3 violet(0.16f, 0.06f, 0.26f);
            const float glow = std::clamp(1.0f - distance, 0.0f, 1.0f);
            const glm::vec3 colour =
                violet + (gold - violet) * (glow * glow * (0.55f + 0.45f * ray));
            image.at(x, y) = glm::vec4(colour, 1.0f);
        }
    }
    stars(image, 300, 0x77, glm::vec4(1.0f, 0.95f, 0.8f, 0.8f));
    const Area portal = around(centre.x, centre.y, 157, 157 * 4.0f / 3.0f);
    paint(image, ellipse(centre.x, centre.y, 130, 130 * 4.0f / 3.0f),
          glm::vec4(0.95f, 0.98f, 1.0f, 0.35f), portal);
    paint(image, ellipseRing(centre.x, centre.y, 148, 148 * 4.0f / 3.0f, 20), cyan, portal);
    paint(image, ellipseRing(centre.x, centre.y, 157, 157 * 4.0f / 3.0f, 6),
          glm::vec4(1.0f, 1.0f, 1.0f, 0.8f), portal);
    drawCentredText(image, "YOU MADE IT!", 512, 90, screenText(3, warmWhite));
    drawCentredText(image, "THE TIME MACHINE", 512, 230, screenText(2, amber));
    drawCentredText(image, "CARRIED YOU HOME.", 512, 300, screenText(2, amber));
    drawCentredText(image, "THANKS FOR PLAYING VEXMOR", 512, 930, screenText(1, warmWhite));
    drawCentredText(image, "PRESS ESC TO QUIT", 512, 972, screenText(1, warmWhite));
    return image;
}

Image gameIcon(int size) {
    // Drawn on a 64-unit grid and scaled, so every size shows the same picture.
    const float unit = size / 64.0f;
    Image image(size, size, glm::vec4(0.0f));
    const float middle = 32.0f * unit;
    paint(image, ellipse(middle, middle, 30.0f * unit, 30.0f * unit),
          glm::vec4(0.07f, 0.08f, 0.16f, 1.0f));
    paint(image, ellipseRing(middle, middle, 30.0f * unit, 30.0f * unit, 4.0f * unit), cyan);
    for (int tick = 0; tick < 12; ++tick) {
        const float angle = tick * pi / 6.0f;
        const glm::vec2 direction(std::cos(angle), std::sin(angle));
        paint(image,
              thickLine(glm::vec2(middle) + direction * (21.0f * unit),
                        glm::vec2(middle) + direction * (24.0f * unit), 2.0f * unit),
              glm::vec4(0.6f, 0.8f, 1.0f, 0.8f));
    }
    paint(image,
          thickLine(glm::vec2(20.0f, 19.0f) * unit, glm::vec2(32.0f, 46.0f) * unit, 7.0f * unit),
          amber);
    paint(image,
          thickLine(glm::vec2(44.0f, 19.0f) * unit, glm::vec2(32.0f, 46.0f) * unit, 7.0f * unit),
          amber);
    return image;
}

Image windowIcon() {
    return gameIcon(64);
}

} // namespace Vexmor::assetgen
