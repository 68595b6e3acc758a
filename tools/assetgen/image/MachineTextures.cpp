#include "image/Noise.h"
#include "image/Surface.h"
#include "image/Textures.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::assetgen {

namespace {

glm::vec3 mix3(const glm::vec3& a, const glm::vec3& b, float t) {
    return a + (b - a) * t;
}

float fract(float x) {
    return x - std::floor(x);
}

// 1 on a line every `spacing` (in texture units), `width` pixels wide on `size` pixels.
float gridLine(float t, float spacing, float width, int size) {
    const float f = fract(t / spacing);
    const float distance = std::min(f, 1.0f - f) * spacing * size;
    return 1.0f - smoothstep(width * 0.5f, width * 0.5f + 1.0f, distance);
}

const glm::vec3 cyanGlow(0.35f, 0.95f, 1.0f);
const glm::vec3 amberGlow(1.0f, 0.66f, 0.2f);
const glm::vec3 unlitGlass(0.10f, 0.13f, 0.17f);

// A glowing strip: bright core, softer rim; dark glass when off.
glm::vec3 lamp(const glm::vec3& glow, bool on, float across) {
    if (!on) {
        return unlitGlass * (0.9f + 0.2f * across);
    }
    return mix3(glow * 0.75f, glm::vec3(1.0f, 1.0f, 0.95f), across * across * 0.6f);
}

// Bands in texture v (the image's bottom is v = 0), matching the capsule model's lathes.
Texel capsuleTexel(float u, float v, bool on) {
    constexpr int size = 512;
    const float tv = 1.0f - v;
    const float brushed = tiledNoise(u, v, 4, 160, 51);
    if (tv >= 0.5f) {
        const float s = (tv - 0.5f) / 0.5f;
        glm::vec3 colour = glm::vec3(0.80f, 0.82f, 0.84f) * (0.9f + 0.12f * brushed);
        float height = 1.0f;
        const float seam =
            std::max(gridLine(u, 0.25f, 2.0f, size), gridLine(s - 0.55f, 2.0f, 2.0f, size / 2));
        colour = mix3(colour, glm::vec3(0.25f, 0.27f, 0.3f), seam);
        height -= seam;
        if (s > 0.05f && s < 0.12f) {
            const float across = 1.0f - std::abs((s - 0.085f) / 0.035f);
            colour = lamp(cyanGlow, on, across);
            height = 0.6f;
        }
        // Status lights in the middle of each panel.
        const float du = (fract(u * 4.0f) - 0.5f) * 0.25f * size;
        const float ds = (s - 0.8f) * size / 2.0f;
        const float light = std::hypot(du, ds);
        if (light < 7.0f) {
            colour = on ? mix3(amberGlow, glm::vec3(1.0f, 0.95f, 0.8f), 1.0f - light / 7.0f)
                        : glm::vec3(0.25f, 0.06f, 0.05f);
            height = 1.2f;
        }
        return {colour, height};
    }
    if (tv >= 0.25f) {
        const float s = (tv - 0.25f) / 0.25f;
        glm::vec3 colour = glm::vec3(0.56f, 0.59f, 0.63f) * (0.9f + 0.12f * brushed);
        const float groove = std::max(gridLine(s - 0.3f, 2.0f, 3.0f, size / 4),
                                      gridLine(s - 0.75f, 2.0f, 3.0f, size / 4));
        const float spoke = gridLine(u, 0.125f, 2.0f, size) * (s > 0.55f ? 1.0f : 0.0f);
        colour = mix3(colour, glm::vec3(0.2f, 0.22f, 0.25f), std::max(groove, spoke));
        if (s > 0.45f && s < 0.55f) {
            colour = lamp(cyanGlow, on, 1.0f - std::abs((s - 0.5f) / 0.05f));
        }
        return {colour, 1.0f - std::max(groove, spoke)};
    }
    if (tv >= 0.125f) {
        const float s = (tv - 0.125f) / 0.125f;
        const float quilt = std::min(std::abs(fract(u * 24.0f + s * 3.0f) - 0.5f),
                                     std::abs(fract(u * 24.0f - s * 3.0f) - 0.5f));
        const float crease = 1.0f - smoothstep(0.02f, 0.08f, quilt);
        glm::vec3 colour = glm::vec3(0.17f, 0.18f, 0.24f) * (1.0f - 0.5f * crease);
        if (on) {
            colour = mix3(colour, cyanGlow * 0.6f, crease * 0.5f);
        }
        return {colour, 1.0f - crease};
    }
    const float s = tv / 0.125f;
    glm::vec3 colour = glm::vec3(0.62f, 0.64f, 0.67f) * (0.88f + 0.16f * brushed);
    const float bolt = std::hypot((fract(u * 8.0f) - 0.5f) * size / 8.0f, (s - 0.3f) * size / 8.0f);
    if (bolt < 5.0f) {
        colour *= 0.6f + 0.08f * bolt;
    }
    if (s > 0.75f) {
        colour = lamp(cyanGlow, on, smoothstep(0.75f, 1.0f, s));
    }
    return {colour, bolt < 5.0f ? 1.3f : 1.0f};
}

} // namespace

Image capsuleTexture(bool on) {
    return shadeSurface(
        512, [on](float u, float v) { return capsuleTexel(u, v, on); }, 0.5f);
}

Image rotatorTexture(bool on) {
    constexpr int size = 256;
    return shadeSurface(
        size,
        [on](float u, float v) {
            const float tv = 1.0f - v;
            glm::vec3 colour =
                glm::vec3(0.36f, 0.38f, 0.42f) * (0.85f + 0.2f * tiledNoise(u, v, 8, 96, 61));
            const float band = gridLine(tv, 0.125f, 2.0f, size);
            colour = mix3(colour, glm::vec3(0.12f, 0.13f, 0.15f), band);
            float height = 1.0f - band;
            // Warning chevrons toward the tip.
            if (tv > 0.86f) {
                const bool yellow = fract((u + tv) * 6.0f) < 0.5f;
                colour = yellow ? glm::vec3(0.85f, 0.68f, 0.12f) : glm::vec3(0.1f, 0.1f, 0.1f);
            }
            const float across = std::abs(u - 0.5f);
            if (across < 0.03f) {
                colour = lamp(amberGlow, on, 1.0f - across / 0.03f);
                height = 0.7f;
            }
            return Texel{colour, height};
        },
        0.6f);
}

Image lockTexture(bool up, bool on) {
    constexpr int size = 256;
    return shadeSurface(
        size,
        [up, on](float u, float v) {
            const float tv = 1.0f - v;
            const glm::vec3 base =
                up ? glm::vec3(0.62f, 0.50f, 0.30f) : glm::vec3(0.46f, 0.50f, 0.55f);
            const glm::vec3 glow = up ? amberGlow : cyanGlow;
            glm::vec3 colour = base * (0.85f + 0.2f * tiledNoise(u, v, 64, 6, 71));
            const float tick = gridLine(u, 1.0f / 12.0f, 2.0f, size);
            colour = mix3(colour, base * 0.4f, tick);
            float height = 1.0f - 0.7f * tick;
            if (tv > 0.44f && tv < 0.56f) {
                colour = lamp(glow, on, 1.0f - std::abs((tv - 0.5f) / 0.06f));
                height = 0.5f;
            }
            // Arrows on the grip: up or down, lit with the lock.
            if (tv > 0.75f) {
                const float local = (tv - 0.75f) / 0.25f;
                const float point = up ? local : 1.0f - local;
                const float arrow =
                    std::abs(fract(point * 3.0f) - std::abs(u - 0.5f) * 2.0f - 0.3f);
                if (arrow < 0.12f) {
                    colour = on ? glow : base * 0.5f;
                    height = 1.2f;
                }
            }
            return Texel{colour, height};
        },
        0.6f);
}

Image chairTexture() {
    constexpr int size = 256;
    return shadeSurface(
        size,
        [](float u, float v) {
            const float tv = 1.0f - v;
            if (tv >= 0.5f) {
                // Buttoned leather: diamonds pulled in to a button at every corner.
                const float s = (tv - 0.5f) * 2.0f;
                const float a = fract(u * 4.0f + s * 4.0f);
                const float b = fract(u * 4.0f - s * 4.0f);
                const float crease = std::min(std::min(a, 1.0f - a), std::min(b, 1.0f - b));
                const float puff = smoothstep(0.0f, 0.25f, crease);
                glm::vec3 colour = glm::vec3(0.46f, 0.11f, 0.08f) * (0.55f + 0.5f * puff);
                colour *= 0.9f + 0.15f * tiledNoise(u, v, 32, 81);
                const float bx = fract(u * 4.0f) - 0.5f;
                const float by = fract(s * 4.0f) - 0.5f;
                if (std::hypot(bx, by) < 0.06f) {
                    colour = glm::vec3(0.16f, 0.04f, 0.03f);
                }
                return Texel{colour, puff};
            }
            if (u >= 0.8f && tv < 0.1f) {
                // The arm rests' control pads: three lit keys on black.
                const float key = std::hypot(fract(u * 15.0f) - 0.5f, fract(tv * 30.0f) - 0.5f);
                const glm::vec3 lit =
                    fract(u * 5.0f) < 0.5f ? glm::vec3(0.3f, 1.0f, 0.45f) : amberGlow;
                return Texel{key < 0.3f ? lit : glm::vec3(0.05f, 0.05f, 0.06f),
                             key < 0.3f ? 1.0f : 0.6f};
            }
            glm::vec3 colour =
                glm::vec3(0.30f, 0.31f, 0.34f) * (0.8f + 0.3f * tiledNoise(u, v, 4, 128, 82));
            return Texel{colour, 1.0f};
        },
        0.6f);
}

Image usePlateTexture() {
    // Drawn lit: the plate glows by itself, so the colours are what shows. The face (above
    // v = 0.125) has a cyan frame and three amber chevrons pointing at the machine (up in
    // the image); the strip below is the sides' light.
    constexpr int size = 256;
    constexpr int faceRows = 224;
    Image image(size, size);
    const glm::vec3 glass(0.05f, 0.16f, 0.2f);
    const glm::vec3 white(1.0f, 0.97f, 0.9f);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / size;
            if (y >= faceRows) {
                const float across = (static_cast<float>(y - faceRows) + 0.5f) / (size - faceRows);
                image.at(x, y) =
                    glm::vec4(lamp(cyanGlow, true, 1.0f - std::abs(across - 0.5f)), 1.0f);
                continue;
            }
            const float s = (static_cast<float>(y) + 0.5f) / faceRows;
            // Pixels from the nearest border: the frame fills the outer fifteen, its glow
            // fades inward.
            const float edge =
                std::min(std::min(u, 1.0f - u) * size, std::min(s, 1.0f - s) * faceRows);
            const float frame = 1.0f - smoothstep(14.0f, 16.0f, edge);
            const float halo = 1.0f - smoothstep(16.0f, 40.0f, edge);
            float chevron = 0.0f;
            const float side = std::abs(u - 0.5f);
            if (side < 0.28f) {
                for (const float tip : {0.18f, 0.43f, 0.68f}) {
                    const float arm = std::abs(s - tip - side * 0.7f) * faceRows;
                    chevron = std::max(chevron, 1.0f - smoothstep(9.0f, 11.0f, arm));
                }
                chevron *= 1.0f - smoothstep(0.26f, 0.28f, side);
            }
            glm::vec3 colour = mix3(glass, cyanGlow * 0.6f, halo * 0.5f);
            colour = mix3(colour, lamp(cyanGlow, true, std::min(1.0f, edge / 16.0f)), frame);
            colour = mix3(colour, mix3(amberGlow, white, 0.25f), chevron);
            image.at(x, y) = glm::vec4(colour, 1.0f);
        }
    }
    return image;
}

} // namespace Vexmor::assetgen
