#include "hud/MenuPicture.h"

#include "hud/BitmapFont.h"

#include <algorithm>

namespace Vexmor::hud {

namespace {

const glm::vec4 titleColour{1.0f, 0.86f, 0.52f, 1.0f};
const glm::vec4 itemColour{0.86f, 0.86f, 0.84f, 1.0f};
const glm::vec4 selectedColour{1.0f, 1.0f, 1.0f, 1.0f};
const glm::vec4 disabledColour{0.45f, 0.45f, 0.47f, 1.0f};
const glm::vec4 headingColour{0.95f, 0.75f, 0.4f, 1.0f};
const glm::vec4 barColour{0.85f, 0.6f, 0.25f, 0.45f};
const glm::vec4 panelColour{0.02f, 0.02f, 0.04f, 0.6f};
const glm::vec4 shadowColour{0.0f, 0.0f, 0.0f, 0.85f};
constexpr int smallestPixel = 2;

TextStyle styleOf(int pixel, const glm::vec4& colour) {
    return squareStyle(pixel, colour, shadowColour);
}

// A line of the list is its text plus room to breathe above and below.
int lineHeight(int pixel) {
    return pixel * 11;
}

int widestLine(const Menu& menu, int pixel) {
    const TextStyle style = styleOf(pixel, itemColour);
    int widest = 0;
    for (const MenuItem& item : menu.items()) {
        const int gap = item.value.empty() ? 0 : 4 * textWidth(" ", style);
        widest = std::max(widest, textWidth(fontText(item.label), style) + gap +
                                      textWidth(fontText(item.value), style));
    }
    return widest;
}

} // namespace

int MenuLayout::indexAt(glm::dvec2 point) const {
    for (const Line& line : lines) {
        if (point.x >= line.min.x && point.x < line.max.x && point.y >= line.min.y &&
            point.y < line.max.y) {
            return line.index;
        }
    }
    return -1;
}

MenuLayout layOutMenu(const Menu& menu, int width, int height, int firstShown) {
    MenuLayout layout;
    const int unit = std::max(smallestPixel, height / 200);
    const int margin = 4 * unit;

    layout.titlePixel = 2 * unit;
    while (layout.titlePixel > smallestPixel &&
           textWidth(fontText(menu.title()), styleOf(layout.titlePixel, titleColour)) >
               width - 2 * margin) {
        --layout.titlePixel;
    }
    layout.titleTop = height / 8;
    const int listTop = layout.titleTop + textHeight(styleOf(layout.titlePixel, titleColour)) +
                        3 * layout.titlePixel;
    layout.footerPixel = std::max(smallestPixel, unit / 2 + 1);
    layout.footerTop = height - margin - textHeight(styleOf(layout.footerPixel, itemColour));
    const int listBottom = layout.footerTop - margin;

    const int count = static_cast<int>(menu.items().size());
    // A long list gives up one size to show more lines, then scrolls; only a narrow window
    // makes the text smaller still.
    const int tallestShrink = std::max(smallestPixel, unit - 1);
    layout.itemPixel = unit;
    while ((layout.itemPixel > tallestShrink &&
            lineHeight(layout.itemPixel) * count > listBottom - listTop) ||
           (layout.itemPixel > smallestPixel &&
            widestLine(menu, layout.itemPixel) > width - 2 * margin)) {
        --layout.itemPixel;
    }
    int rows = std::max(1, (listBottom - listTop) / lineHeight(layout.itemPixel));
    if (rows < count) {
        // Room under the list for the dots that say it goes on, clear of the footer.
        rows = std::max(1, (listBottom - listTop - 9 * layout.itemPixel) /
                               lineHeight(layout.itemPixel));
    }
    int first = std::clamp(firstShown, 0, std::max(0, count - rows));
    const int selected = menu.selectedIndex();
    if (selected >= 0 && selected < first) {
        first = selected;
    } else if (selected >= first + rows) {
        first = selected - rows + 1;
    }
    layout.firstShown = first;
    layout.moreAbove = first > 0;
    layout.moreBelow = first + rows < count;

    const int columnWidth =
        std::min(width - 2 * margin, std::max(width * 2 / 5, widestLine(menu, layout.itemPixel) +
                                                                 4 * layout.itemPixel));
    const int left = (width - columnWidth) / 2;
    for (int index = first; index < std::min(count, first + rows); ++index) {
        const int top = listTop + (index - first) * lineHeight(layout.itemPixel);
        layout.lines.push_back(
            {index, {left, top}, {left + columnWidth, top + lineHeight(layout.itemPixel)}});
    }
    return layout;
}

RgbaImage drawMenu(const Menu& menu, const MenuLayout& layout, int width, int height,
                   MenuBackdrop backdrop) {
    RgbaImage image(width, height);
    if (backdrop == MenuBackdrop::Dimmed) {
        image.fillRect(0, 0, width, height, {0.0f, 0.0f, 0.0f, 0.55f});
    }
    const TextStyle title = styleOf(layout.titlePixel, titleColour);
    drawCentredText(image, fontText(menu.title()), width / 2, layout.titleTop, title);

    if (!layout.lines.empty()) {
        const int pad = 3 * layout.itemPixel;
        const MenuLayout::Line& firstLine = layout.lines.front();
        const MenuLayout::Line& lastLine = layout.lines.back();
        image.fillRect(firstLine.min.x - pad, firstLine.min.y - pad, lastLine.max.x + pad,
                       lastLine.max.y + pad, panelColour);
    }
    const int pixel = layout.itemPixel;
    for (const MenuLayout::Line& line : layout.lines) {
        const MenuItem& item = menu.items()[static_cast<std::size_t>(line.index)];
        const bool selected = line.index == menu.selectedIndex();
        glm::vec4 colour = item.heading    ? headingColour
                           : !item.enabled ? disabledColour
                           : selected      ? selectedColour
                                           : itemColour;
        if (selected) {
            image.fillRect(line.min.x, line.min.y, line.max.x, line.max.y, barColour);
        }
        const TextStyle style = styleOf(pixel, colour);
        const int textTop = line.min.y + 2 * pixel;
        drawText(image, fontText(item.label), line.min.x + pixel * 2, textTop, style);
        if (!item.value.empty()) {
            const std::string value = fontText(item.value);
            drawText(image, value, line.max.x - pixel * 2 - textWidth(value, style), textTop,
                     style);
        }
    }
    const TextStyle marker = styleOf(pixel, itemColour);
    if (layout.moreAbove) {
        drawCentredText(image, "...", width / 2, layout.lines.front().min.y - 5 * pixel, marker);
    }
    if (layout.moreBelow) {
        drawCentredText(image, "...", width / 2, layout.lines.back().max.y + 2 * pixel, marker);
    }
    if (!menu.footer().empty()) {
        const TextStyle footer = styleOf(layout.footerPixel, {0.8f, 0.8f, 0.78f, 1.0f});
        drawCentredText(image, fontText(menu.footer()), width / 2, layout.footerTop, footer);
    }
    return image;
}

} // namespace Vexmor::hud
