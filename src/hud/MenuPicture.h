#pragma once

#include "hud/Menu.h"
#include "hud/RgbaImage.h"

#include <glm/vec2.hpp>

#include <vector>

namespace Vexmor::hud {

// Where a menu's lines stand in a window, in window pixels from the top-left corner.
struct MenuLayout {
    struct Line {
        int index = 0;
        glm::ivec2 min{0, 0};
        glm::ivec2 max{0, 0};
    };
    int titlePixel = 0;
    int itemPixel = 0;
    int titleTop = 0;
    // The lines shown, top to bottom; a long list shows a part around the selection.
    std::vector<Line> lines;
    int firstShown = 0;
    bool moreAbove = false;
    bool moreBelow = false;
    int footerPixel = 0;
    int footerTop = 0;

    // The line under a window point, or -1.
    int indexAt(glm::dvec2 point) const;
};

// How the picture sits over what is behind it: the title screen's live view shows through
// more than a paused level, which is dimmed to say it has stopped.
enum class MenuBackdrop { Clear, Dimmed };

// Lays the menu out for a window of `width` x `height`: text as large as fits, never
// smaller than 14 pixels, and the selection in view. `firstShown` is the previous
// layout's, so a long list scrolls only when the selection leaves it.
MenuLayout layOutMenu(const Menu& menu, int width, int height, int firstShown = 0);
// The menu drawn at the window's size, one texel a pixel.
RgbaImage drawMenu(const Menu& menu, const MenuLayout& layout, int width, int height,
                   MenuBackdrop backdrop);

} // namespace Vexmor::hud
