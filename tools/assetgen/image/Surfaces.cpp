#include "image/Noise.h"
#include "image/Surface.h"
#include "image/Textures.h"

#include "Random.h"
#include "StairLayout.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::assetgen {

namespace {

constexpr float twoPi = 6.2831853f;
constexpr int surfaceSize = 512;

glm::vec3 mix3(const glm::vec3& a, const glm::vec3& b, float t) {
    return a + (b - a) * t;
}

int wrapIndex(int value, int count) {
    return ((value % count) + count) % count;
}

// What the dark era does to any surface: darker, greyer, grime in broad patches, water
// streaks running down, moss where damp gathers (`damp` 0..1), and cracks.
struct Decay {
    std::uint32_t seed;

    Texel apply(Texel texel, float u, float v, float damp, bool cracked) const {
        const float grey = (texel.colour.r + texel.colour.g + texel.colour.b) / 3.0f;
        glm::vec3 c = mix3(texel.colour, glm::vec3(grey), 0.5f) * 0.52f;
        c *= glm::vec3(0.95f, 1.0f, 0.92f);
        const float grime = tiledFbm(u, v, 4, 5, seed);
        c *= 0.5f + 0.7f * grime;
        // Water runs down: thin streaks, strongest in a few places.
        const float streak =
            0.6f * tiledNoise(u, v, 96, 4, seed + 5) + 0.4f * tiledNoise(u, v, 192, 8, seed + 12);
        const float streakMask = smoothstep(0.5f, 0.8f, streak) *
                                 smoothstep(0.35f, 0.75f, tiledFbm(u, v, 5, 3, seed + 6));
        c *= 1.0f - 0.4f * streakMask;
        const float moss = tiledFbm(u, v, 8, 5, seed + 7) + 0.12f * damp;
        const float mossAmount = smoothstep(0.6f, 0.72f, moss);
        const glm::vec3 mossColour =
            mix3(glm::vec3(0.14f, 0.21f, 0.07f), glm::vec3(0.27f, 0.34f, 0.12f),
                 tiledNoise(u, v, 96, seed + 8));
        c = mix3(c, mossColour, mossAmount * 0.85f);
        texel.height += mossAmount * 0.25f;
        if (cracked) {
            // Cell borders, bent by noise so they wander like real cracks.
            const float bendU = tiledFbm(u, v, 12, 3, seed + 13) - 0.5f;
            const float bendV = tiledFbm(u, v, 12, 3, seed + 14) - 0.5f;
            const CellSample crack = tiledCells(u + 0.06f * bendU, v + 0.06f * bendV, 4, seed + 9);
            const float width = 0.003f + 0.004f * tiledNoise(u, v, 24, seed + 10);
            const float visible = smoothstep(0.5f, 0.65f, tiledNoise(u, v, 6, seed + 11));
            const float line = 1.0f - smoothstep(width, width + 0.003f, crack.edge);
            c = mix3(c, glm::vec3(0.05f, 0.05f, 0.04f), line * visible * 0.85f);
            texel.height -= 0.6f * line * visible;
        }
        texel.colour = c;
        return texel;
    }
};

// Ashlar: six courses of three blocks, every other course shifted by half a block.
Texel masonry(float u, float v, bool dirty) {
    constexpr int rows = 6;
    constexpr int columns = 3;
    constexpr float blockWidth = static_cast<float>(surfaceSize) / columns;
    constexpr float blockHeight = static_cast<float>(surfaceSize) / rows;
    const float ry = v * rows;
    const int row = static_cast<int>(std::floor(ry));
    const float fy = ry - row;
    const float bx = u * columns + (row % 2 == 1 ? 0.5f : 0.0f);
    const int rawColumn = static_cast<int>(std::floor(bx));
    const float fx = bx - rawColumn;
    const int column = wrapIndex(rawColumn, columns);
    const float edge =
        std::min(std::min(fx, 1.0f - fx) * blockWidth, std::min(fy, 1.0f - fy) * blockHeight);
    const float wobble = (tiledNoise(u, v, 48, 11) - 0.5f) * 3.0f;
    const float mortarEdge = 3.5f;
    const float face = smoothstep(mortarEdge, mortarEdge + 6.0f, edge + wobble);

    Random block(hashPoint(column, row, 0x51));
    const float tint = block.range(0.92f, 1.06f);
    const glm::vec3 warm(0.86f, 0.77f, 0.62f);
    const glm::vec3 pale(0.90f, 0.85f, 0.74f);
    glm::vec3 stone = mix3(warm, pale, block.unit()) * tint;
    const float grain = tiledFbm(u, v, 32, 4, 12);
    stone *= 0.9f + 0.2f * grain;
    const glm::vec3 mortar = glm::vec3(0.88f, 0.84f, 0.76f) * (0.94f + 0.1f * grain);
    Texel texel{mix3(mortar, stone, face), face * (0.8f + 0.4f * grain)};
    if (!dirty) {
        return texel;
    }
    const float damp = (1.0f - face) + smoothstep(0.6f, 1.0f, fy) * 0.5f;
    return Decay{0xD1}.apply(texel, u, v, damp, block.unit() < 0.7f);
}

// Square tiles, four by four, in a checker of cream marble and terracotta.
Texel tiles(float u, float v, bool dirty) {
    constexpr int count = 4;
    constexpr float tileSize = static_cast<float>(surfaceSize) / count;
    const float tx = u * count;
    const float ty = v * count;
    const int ix = static_cast<int>(std::floor(tx));
    const int iy = static_cast<int>(std::floor(ty));
    const float fx = tx - ix;
    const float fy = ty - iy;
    const float edge = std::min(std::min(fx, 1.0f - fx), std::min(fy, 1.0f - fy)) * tileSize;
    const float face = smoothstep(2.5f, 7.0f, edge);
    const bool cream = (ix + iy) % 2 == 0;
    Random tile(hashPoint(ix, iy, 0x71));
    const float grain = tiledFbm(u, v, 16, 5, 21);
    glm::vec3 colour;
    if (cream) {
        // Marble veins: thin dark lines along a warped sine.
        const float warp = tiledFbm(u, v, 4, 4, 22);
        const float vein = std::abs(std::sin(twoPi * (2.0f * u + 3.0f * v + 1.5f * warp)));
        colour = glm::vec3(0.90f, 0.86f, 0.77f) * (0.95f + 0.08f * grain);
        colour = mix3(colour, glm::vec3(0.66f, 0.62f, 0.58f),
                      (1.0f - smoothstep(0.0f, 0.08f, vein)) * 0.6f);
    } else {
        colour = glm::vec3(0.76f, 0.50f, 0.34f) * (0.9f + 0.16f * grain);
    }
    colour *= tile.range(0.95f, 1.04f);
    const glm::vec3 grout(0.72f, 0.68f, 0.60f);
    Texel texel{mix3(grout, colour, face), face};
    if (!dirty) {
        return texel;
    }
    // Chipped corners on some tiles: sunk and dirty.
    const float corner = std::hypot(std::min(fx, 1.0f - fx), std::min(fy, 1.0f - fy)) * tileSize;
    if (tile.unit() < 0.35f && corner < 16.0f + 8.0f * tiledNoise(u, v, 64, 23)) {
        texel.colour = glm::vec3(0.55f, 0.5f, 0.42f);
        texel.height = 0.2f;
    }
    return Decay{0xF1}.apply(texel, u, v, 1.0f - face, true);
}

// Broken stone: irregular lumps with dark gaps between them.
Texel rubble(float u, float v, bool dirty) {
    const CellSample stone = tiledCells(u, v, 6, 31);
    Random lump(stone.id);
    const float grain = tiledFbm(u, v, 24, 4, 33);
    glm::vec3 colour =
        mix3(glm::vec3(0.80f, 0.71f, 0.56f), glm::vec3(0.88f, 0.83f, 0.72f), lump.unit()) *
        (0.86f + 0.24f * grain);
    const float gap = smoothstep(0.015f, 0.07f, stone.edge);
    const float dome = 1.0f - std::min(1.0f, stone.nearest * 0.9f);
    colour = mix3(glm::vec3(0.32f, 0.28f, 0.22f), colour, gap);
    Texel texel{colour, gap * (0.6f + 0.5f * dome) + 0.25f * grain};
    if (!dirty) {
        return texel;
    }
    return Decay{0xA1}.apply(texel, u, v, 1.0f - gap, true);
}

// Stone steps: three slabs to a step, a pale tread with a rounded nosing and a groove
// behind it, the riser below in darker stone under the nosing's shadow, so a flight reads
// as steps even where only the ambient reaches it. The sides are the wall's ashlar.
Texel stairStone(float u, float v, bool dirty) {
    constexpr int slabs = 3;
    const float grain = tiledFbm(u, v, 32, 4, 51);
    const float sx = u * slabs;
    const int slab = static_cast<int>(std::floor(sx));
    const float fx = sx - slab;
    Random stone(hashPoint(wrapIndex(slab, slabs), v < riserBand.top ? 0 : 1, 0x5A));
    const float tint = stone.range(0.93f, 1.05f);
    const float joint = smoothstep(0.004f, 0.012f, std::min(fx, 1.0f - fx));
    const glm::vec3 mortar(0.50f, 0.46f, 0.40f);
    Texel texel;
    float damp = 0.0f;
    if (v < riserBand.top) {
        const float t = std::clamp(treadBand.along(v), 0.0f, 1.0f);
        glm::vec3 colour = glm::vec3(0.88f, 0.82f, 0.70f) * tint * (0.92f + 0.14f * grain);
        // The nosing catches the light; the groove behind it and the corner at the back,
        // under the next riser, lie in shade.
        const float nose = 1.0f - smoothstep(0.0f, 0.12f, t);
        const float groove = smoothstep(0.12f, 0.15f, t) * (1.0f - smoothstep(0.17f, 0.2f, t));
        const float back = smoothstep(0.88f, 1.0f, t);
        colour *= (1.0f + 0.12f * nose) * (1.0f - 0.45f * groove) * (1.0f - 0.4f * back);
        texel = {mix3(mortar, colour, joint), 0.8f * nose - 0.5f * groove + 0.3f * grain};
        damp = back;
    } else if (v < sideBand.top) {
        const float r = std::clamp(riserBand.along(v), 0.0f, 1.0f);
        glm::vec3 colour = glm::vec3(0.56f, 0.51f, 0.44f) * tint *
                           (0.88f + 0.2f * tiledNoise(u, v, 128, 6, 52)) * (0.9f + 0.15f * grain);
        // The nosing's front edge along the top, pale like the tread, then its shadow:
        // seen from below a flight, these bands are what marks every step.
        const float lip = 1.0f - smoothstep(0.1f, 0.13f, r);
        const float underNose = smoothstep(0.1f, 0.14f, r) * (1.0f - smoothstep(0.2f, 0.34f, r));
        const float foot = smoothstep(0.9f, 1.0f, r);
        colour *= (1.0f - 0.55f * underNose) * (1.0f - 0.25f * foot);
        colour = mix3(colour, glm::vec3(0.84f, 0.78f, 0.66f) * tint, lip);
        texel = {mix3(mortar * 0.7f, colour, joint), 0.3f * grain + 0.6f * lip - 0.4f * underNose};
        damp = 0.5f + 0.5f * foot;
    } else {
        return masonry(u, std::clamp(sideBand.along(v), 0.0f, 1.0f), dirty);
    }
    if (!dirty) {
        return texel;
    }
    return Decay{0x5B}.apply(texel, u, v, damp, stone.unit() < 0.5f);
}

} // namespace

Image stairTexture(bool dirty) {
    return shadeSurface(
        surfaceSize, [dirty](float u, float v) { return stairStone(u, v, dirty); },
        dirty ? 0.9f : 0.6f);
}

Image wallTexture(bool dirty) {
    return shadeSurface(
        surfaceSize, [dirty](float u, float v) { return masonry(u, v, dirty); },
        dirty ? 0.9f : 0.6f);
}

Image floorTexture(bool dirty) {
    return shadeSurface(
        surfaceSize, [dirty](float u, float v) { return tiles(u, v, dirty); }, dirty ? 0.8f : 0.5f);
}

Image rubbleTexture(bool dirty) {
    return shadeSurface(
        surfaceSize, [dirty](float u, float v) { return rubble(u, v, dirty); }, 2.0f);
}

Image doorTexture() {
    // Five vertical planks above, a strip of iron below for the hinges and the handle.
    constexpr int size = 512;
    constexpr float ironStart = 0.875f;
    return shadeSurface(
        size,
        [](float u, float v) {
            if (v >= ironStart) {
                const float rust = tiledFbm(u, v, 8, 4, 41);
                glm::vec3 iron = glm::vec3(0.24f, 0.24f, 0.26f) * (0.8f + 0.4f * rust);
                iron = mix3(iron, glm::vec3(0.38f, 0.22f, 0.12f), smoothstep(0.6f, 0.8f, rust));
                return Texel{iron, rust * 0.5f};
            }
            constexpr int planks = 5;
            const float px = u * planks;
            const int plank = static_cast<int>(std::floor(px));
            const float fx = px - plank;
            Random wood(hashPoint(plank, 0, 0x3D));
            const float rings = std::sin(
                twoPi * (9.0f * u + 2.0f * v + wood.unit() + 1.2f * tiledNoise(u, v, 5, 3, 42)));
            const float fibre = tiledNoise(u, v, 192, 6, 43);
            glm::vec3 colour = mix3(glm::vec3(0.36f, 0.21f, 0.10f), glm::vec3(0.58f, 0.38f, 0.20f),
                                    0.5f + 0.5f * rings);
            colour *= (0.85f + 0.25f * fibre) * wood.range(0.88f, 1.08f);
            const float edge = std::min(fx, 1.0f - fx) * size / planks;
            const float board = smoothstep(1.0f, 4.0f, edge);
            colour = mix3(glm::vec3(0.12f, 0.07f, 0.04f), colour, board);
            return Texel{colour, board * (0.7f + 0.3f * fibre)};
        },
        0.7f);
}

Image defaultTexture() {
    constexpr int size = 256;
    constexpr int square = 32;
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool light = (x / square + y / square) % 2 == 0;
            const float grey = light ? 0.7f : 0.45f;
            image.at(x, y) = glm::vec4(grey, grey, grey, 1.0f);
        }
    }
    return image;
}

} // namespace Vexmor::assetgen
