#include "hud/MenuPicture.h"

#include <gtest/gtest.h>

using namespace Vexmor::hud;

namespace {

Menu longMenu(int count) {
    std::vector<MenuItem> items;
    for (int i = 0; i < count; ++i) {
        items.push_back({i, "Level " + std::to_string(i + 1) + " with a long title", "12:34"});
    }
    return Menu("Choose level", std::move(items));
}

} // namespace

TEST(MenuPicture, TextStaysLegibleAndInsideTheWindowAndALongListScrollsToTheSelection) {
    for (const auto& [width, height] :
         {std::pair(1280, 800), std::pair(640, 480), std::pair(1920, 1080), std::pair(800, 1280)}) {
        Menu menu = longMenu(24);
        MenuLayout layout = layOutMenu(menu, width, height);
        // The font is 7 pixels high: at least 2 canvas pixels each gives 14.
        EXPECT_GE(layout.itemPixel * 7, 14) << width << " x " << height;
        EXPECT_GE(layout.footerPixel * 7, 14);
        if (width == 1280) {
            EXPECT_GE(layout.itemPixel * 7, 21) << "well above 12 px on a 1280 x 800 handheld";
        }
        for (const MenuLayout::Line& line : layout.lines) {
            EXPECT_GE(line.min.x, 0);
            EXPECT_LE(line.max.x, width);
            EXPECT_LE(line.max.y, layout.footerTop) << width << " x " << height;
        }
        // The dots under a list that goes on stay clear of the footer.
        if (layout.moreBelow) {
            EXPECT_LE(layout.lines.back().max.y + 9 * layout.itemPixel, layout.footerTop)
                << width << " x " << height;
        }
        // Down to the last line: it comes into view, and a point on it finds it.
        for (int i = 0; i < 23; ++i) {
            menu.move(1);
        }
        layout = layOutMenu(menu, width, height, layout.firstShown);
        ASSERT_FALSE(layout.lines.empty());
        const MenuLayout::Line& last = layout.lines.back();
        EXPECT_EQ(last.index, 23);
        EXPECT_EQ(layout.indexAt(glm::dvec2(last.min + last.max) / 2.0), 23);
        EXPECT_EQ(layout.indexAt({-5.0, -5.0}), -1);
        EXPECT_EQ(layout.moreAbove, layout.firstShown > 0);

        const RgbaImage picture = drawMenu(menu, layout, width, height, MenuBackdrop::Dimmed);
        EXPECT_EQ(picture.width(), width);
        EXPECT_GT(picture.at(1, height - 2)[3], 100) << "a paused level is dimmed";
    }
}
