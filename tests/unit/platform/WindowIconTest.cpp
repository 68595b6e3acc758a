#include "platform/WindowIcon.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <filesystem>

using Vexmor::platform::IconImage;
using Vexmor::platform::loadIcon;

namespace fs = std::filesystem;

TEST(WindowIcon, PixelsComeTopRowFirstInRgbaOrder) {
    // 2 x 2: the top row red and green, the bottom row blue and half-clear white.
    const fs::path file = fs::temp_directory_path() / "vexmor-icon-test.png";
    FIBITMAP* bitmap = FreeImage_Allocate(2, 2, 32);
    const auto set = [bitmap](unsigned x, unsigned yFromTop, BYTE r, BYTE g, BYTE b, BYTE a) {
        RGBQUAD colour{b, g, r, a};
        FreeImage_SetPixelColor(bitmap, x, 1 - yFromTop, &colour);
    };
    set(0, 0, 255, 0, 0, 255);
    set(1, 0, 0, 255, 0, 255);
    set(0, 1, 0, 0, 255, 255);
    set(1, 1, 255, 255, 255, 128);
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, bitmap, file.c_str(), 0));
    FreeImage_Unload(bitmap);

    const std::optional<IconImage> icon = loadIcon(file.string());
    fs::remove(file);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 2);
    EXPECT_EQ(icon->height, 2);
    const std::vector<std::uint8_t> expected{255, 0, 0,   255, 0,   255, 0,   255,
                                             0,   0, 255, 255, 255, 255, 255, 128};
    EXPECT_EQ(icon->rgba, expected);
}

TEST(WindowIcon, MissingOrUnreadableFilesGiveNoIcon) {
    EXPECT_FALSE(loadIcon("img\\no-such-icon.png"));
    EXPECT_FALSE(loadIcon(std::string(VEXMOR_FIXTURES_DIR) + "/not-an-image.png"));
}

TEST(WindowIcon, TheShippedIconIsSixtyFourSquare) {
    const std::optional<IconImage> icon = loadIcon(std::string(VEXMOR_DATA_DIR) + "/img/icon.png");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->width, 64);
    EXPECT_EQ(icon->height, 64);
    EXPECT_EQ(icon->rgba.size(), 64u * 64u * 4u);
}
