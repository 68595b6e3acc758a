#pragma once

#include "image/Image.h"

#include <glm/vec3.hpp>

#include <functional>

namespace Vexmor::assetgen {

// What a surface texture is at one point before lighting: its colour and a height used
// to shade bevels, grooves and bumps as if lit from the top left.
struct Texel {
    glm::vec3 colour;
    float height;
};

// u, v in [0, 1) across the image (v down), and the pixel.
using TexelFunction = std::function<Texel(float u, float v)>;

// Samples `texel` at every pixel and shades it by the slope of the heights, wrapping at
// the borders so a tiling texture stays seamless. `relief` scales the shading.
Image shadeSurface(int size, const TexelFunction& texel, float relief);

} // namespace Vexmor::assetgen
