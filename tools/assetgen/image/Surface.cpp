#include "image/Surface.h"

#include <glm/common.hpp>

#include <algorithm>
#include <vector>

namespace Vexmor::assetgen {

Image shadeSurface(int size, const TexelFunction& texel, float relief) {
    std::vector<Texel> texels;
    texels.reserve(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            texels.push_back(texel((x + 0.5f) / size, (y + 0.5f) / size));
        }
    }
    const auto height = [&](int x, int y) {
        return texels[static_cast<std::size_t>((y + size) % size) * size + (x + size) % size]
            .height;
    };
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float slope =
                (height(x + 1, y) - height(x - 1, y)) + (height(x, y + 1) - height(x, y - 1));
            const float light = std::clamp(1.0f + relief * slope, 0.45f, 1.45f);
            const glm::vec3 colour = glm::clamp(
                texels[static_cast<std::size_t>(y) * size + x].colour * light, 0.0f, 1.0f);
            image.at(x, y) = glm::vec4(colour, 1.0f);
        }
    }
    return image;
}

} // namespace Vexmor::assetgen
