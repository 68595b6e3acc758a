#include "image/Noise.h"

#include "Random.h"

#include <glm/geometric.hpp>
#include <glm/vec2.hpp>

#include <cmath>
#include <limits>

namespace Vexmor::assetgen {

namespace {

int wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

} // namespace

float tiledNoise(float u, float v, int period, std::uint32_t seed) {
    return tiledNoise(u, v, period, period, seed);
}

float tiledNoise(float u, float v, int periodU, int periodV, std::uint32_t seed) {
    const float x = u * periodU;
    const float y = v * periodV;
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const float tx = fade(x - fx);
    const float ty = fade(y - fy);
    const auto corner = [&](int dx, int dy) {
        return hashUnit(wrap(x0 + dx, periodU), wrap(y0 + dy, periodV), seed);
    };
    const float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    const float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

float tiledFbm(float u, float v, int period, int octaves, std::uint32_t seed, float gain) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * tiledNoise(u, v, period << octave, seed + 977u * octave);
        total += weight;
        weight *= gain;
    }
    return sum / total;
}

CellSample tiledCells(float u, float v, int cells, std::uint32_t seed) {
    const glm::vec2 p(u * cells, v * cells);
    const int cx = static_cast<int>(std::floor(p.x));
    const int cy = static_cast<int>(std::floor(p.y));
    float best = std::numeric_limits<float>::max();
    glm::vec2 bestCentre(0.0f);
    std::uint32_t bestId = 0;
    glm::vec2 centres[25];
    int count = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int gx = wrap(cx + dx, cells);
            const int gy = wrap(cy + dy, cells);
            const glm::vec2 jitter(hashUnit(gx, gy, seed), hashUnit(gx, gy, seed + 1));
            const glm::vec2 centre = glm::vec2(cx + dx, cy + dy) + 0.15f + 0.7f * jitter;
            centres[count++] = centre;
            const float d = glm::length(p - centre);
            if (d < best) {
                best = d;
                bestCentre = centre;
                bestId = hashPoint(gx, gy, seed + 2);
            }
        }
    }
    // Distance to the bisector with each other centre: the true border distance.
    float edge = std::numeric_limits<float>::max();
    for (int i = 0; i < count; ++i) {
        const glm::vec2 other = centres[i];
        const glm::vec2 between = other - bestCentre;
        const float length = glm::length(between);
        if (length < 1e-5f) {
            continue;
        }
        const glm::vec2 middle = (other + bestCentre) * 0.5f;
        edge = std::min(edge, glm::dot(middle - p, between / length));
    }
    return {best, edge, bestId};
}

} // namespace Vexmor::assetgen
