#pragma once

#include "hud/TextCanvas.h"

#include <string>

namespace Vexmor::hud {

// The game's own 5 x 7 pixel font: capitals, digits and common punctuation; lower case
// prints as capitals and anything else as '?'. Each font pixel becomes a block of
// `pixelWidth` x `pixelHeight` canvas pixels, so text can be stretched to look right on a
// non-square mapping.
struct TextStyle {
    int pixelWidth = 3;
    int pixelHeight = 3;
    glm::vec4 colour{1, 1, 1, 1};
    // A drop shadow one font pixel down and right; none when its alpha is 0.
    glm::vec4 shadow{0, 0, 0, 0};
};

// Square font pixels of `pixel` canvas pixels each.
TextStyle squareStyle(int pixel, const glm::vec4& colour, const glm::vec4& shadow);
int textWidth(const std::string& text, const TextStyle& style);
int textHeight(const TextStyle& style);
// Draws `text` with its top-left corner at (x, y).
void drawText(TextCanvas& canvas, const std::string& text, int x, int y, const TextStyle& style);
void drawCentredText(TextCanvas& canvas, const std::string& text, int centreX, int y,
                     const TextStyle& style);
// UTF-8 text as the font draws it: one character per code point, so a letter the font
// lacks shows as one '?' however many bytes it takes.
std::string fontText(const std::string& utf8);

} // namespace Vexmor::hud
