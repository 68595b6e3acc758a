#pragma once

#include "image/Image.h"

#include <string>

namespace Vexmor::assetgen {

// The game's own 5 x 7 pixel font: capitals, digits and common punctuation; lower case
// prints as capitals. Each font pixel becomes a block of `pixelWidth` x `pixelHeight`
// image pixels, so text can be stretched to look right on a non-square mapping.
struct TextStyle {
    int pixelWidth = 3;
    int pixelHeight = 3;
    glm::vec4 colour{1, 1, 1, 1};
    // A drop shadow one font pixel down and right; none when its alpha is 0.
    glm::vec4 shadow{0, 0, 0, 0};
};

int textWidth(const std::string& text, const TextStyle& style);
int textHeight(const TextStyle& style);
// Draws `text` with its top-left corner at (x, y).
void drawText(Image& image, const std::string& text, int x, int y, const TextStyle& style);
void drawCentredText(Image& image, const std::string& text, int centreX, int y,
                     const TextStyle& style);

} // namespace Vexmor::assetgen
