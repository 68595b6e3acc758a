#include "hud/TitleCard.h"

#include "hud/BitmapFont.h"

#include <algorithm>

namespace Vexmor::hud {

namespace {

constexpr int margin = 12;
constexpr int lineGap = 10;
constexpr int levelLinePixel = 3;
constexpr int largestTitlePixel = 5;
constexpr int smallestTitlePixel = 2;
const glm::vec4 levelLineColour{0.95f, 0.82f, 0.5f, 1.0f};
const glm::vec4 titleColour{1.0f, 0.97f, 0.9f, 1.0f};
const glm::vec4 edgeColour{0.04f, 0.04f, 0.06f, 1.0f};

TextStyle styleOf(int pixel, const glm::vec4& colour) {
    return squareStyle(pixel, colour, edgeColour);
}

// How far the dark edge reaches around each stroke.
int edgeOf(int pixel) {
    return pixel / 2 + 1;
}

bool fits(const std::string& text, int pixel) {
    return textWidth(text, styleOf(pixel, titleColour)) + 2 * (margin + edgeOf(pixel)) <=
           TitleCard::width;
}

// The text's height with its edge and shadow below it.
int lineHeight(const TextStyle& style) {
    return textHeight(style) + std::max(edgeOf(style.pixelWidth), style.pixelHeight);
}

// Draws centred text with its dark edge and shadow.
void drawLine(RgbaImage& card, const std::string& text, int top, const TextStyle& style) {
    const int edge = edgeOf(style.pixelWidth);
    TextStyle dark = style;
    dark.colour = edgeColour;
    dark.shadow.a = 0.0f;
    const int left = (TitleCard::width - textWidth(text, style)) / 2;
    for (int dy = -edge; dy <= edge; dy += edge) {
        for (int dx = -edge; dx <= edge; dx += edge) {
            drawText(card, text, left + dx, top + dy, dark);
        }
    }
    drawText(card, text, left, top, style);
}

} // namespace

std::string TitleCard::levelLine(int position, int count) {
    return "Level " + std::to_string(position) + " of " + std::to_string(count);
}

TitleCard::Fit TitleCard::fitTitle(const std::string& title) {
    const std::string text = fontText(title);
    for (int pixel = largestTitlePixel; pixel >= smallestTitlePixel; --pixel) {
        if (fits(text, pixel)) {
            return {text, pixel};
        }
    }
    std::string cut = text;
    while (!cut.empty() && !fits(cut + "...", smallestTitlePixel)) {
        cut.pop_back();
    }
    return {cut + "...", smallestTitlePixel};
}

RgbaImage TitleCard::render(const std::string& levelLine, const std::string& title) {
    const Fit fit = fitTitle(title);
    const TextStyle levelStyle = styleOf(levelLinePixel, levelLineColour);
    const TextStyle titleStyle = styleOf(fit.pixelSize, titleColour);
    const int levelHeight = levelLine.empty() ? 0 : lineHeight(levelStyle) + lineGap;
    RgbaImage card(width, 2 * margin + levelHeight + lineHeight(titleStyle));
    if (!levelLine.empty()) {
        drawLine(card, fontText(levelLine), margin, levelStyle);
    }
    drawLine(card, fit.text, margin + levelHeight, titleStyle);
    return card;
}

} // namespace Vexmor::hud
