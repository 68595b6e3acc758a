#pragma once

#include <cstdint>

namespace Vexmor::assetgen {

// Smooth value noise in 0..1 on a lattice of `period` cells that wraps, so a texture
// sampled over u, v in [0, 1) tiles without a seam.
float tiledNoise(float u, float v, int period, std::uint32_t seed);
// The same with its own number of cells across u and down v: streaks and grain.
float tiledNoise(float u, float v, int periodU, int periodV, std::uint32_t seed);

// Octaves of tiledNoise, each twice as fine and `gain` as strong; 0..1.
float tiledFbm(float u, float v, int period, int octaves, std::uint32_t seed, float gain = 0.5f);

struct CellSample {
    float nearest;    // distance to the nearest cell centre, in cells
    float edge;       // distance to the border with the next cell, in cells
    std::uint32_t id; // the nearest cell, stable for the whole cell
};

// Worley cells, `cells` across, wrapping like tiledNoise.
CellSample tiledCells(float u, float v, int cells, std::uint32_t seed);

} // namespace Vexmor::assetgen
