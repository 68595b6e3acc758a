#include "hud/BitmapFont.h"
#include "hud/RgbaImage.h"

#include <gtest/gtest.h>

using Vexmor::hud::drawText;
using Vexmor::hud::fontText;
using Vexmor::hud::RgbaImage;
using Vexmor::hud::textHeight;
using Vexmor::hud::TextStyle;
using Vexmor::hud::textWidth;

namespace {

struct Extent {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
};

Extent inked(const RgbaImage& image) {
    Extent extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y)[3] > 0) {
                extent.left = std::min(extent.left, x);
                extent.top = std::min(extent.top, y);
                extent.right = std::max(extent.right, x + 1);
                extent.bottom = std::max(extent.bottom, y + 1);
            }
        }
    }
    return extent;
}

} // namespace

TEST(BitmapFont, TextFillsExactlyTheBoxItsMeasurementsPromise) {
    // Centred layouts rely on these sizes; "HM" has ink in its first and last columns
    // and in the top and bottom rows.
    TextStyle style;
    style.pixelWidth = 3;
    style.pixelHeight = 4;
    RgbaImage image(200, 60);
    drawText(image, "HM", 10, 5, style);
    const Extent extent = inked(image);
    EXPECT_EQ(extent.left, 10);
    EXPECT_EQ(extent.top, 5);
    EXPECT_EQ(extent.right - extent.left, textWidth("HM", style));
    EXPECT_EQ(extent.bottom - extent.top, textHeight(style));
    EXPECT_EQ(textWidth("HM", style), (2 * 6 - 1) * 3);
}

TEST(BitmapFont, LowerCaseDrawsAsCapitalsAndUnknownCharactersAreVisible) {
    TextStyle style;
    RgbaImage lower(100, 40);
    RgbaImage upper(100, 40);
    drawText(lower, "esc", 0, 0, style);
    drawText(upper, "ESC", 0, 0, style);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(lower.at(x, y), upper.at(x, y));
        }
    }
    RgbaImage unknown(40, 40);
    drawText(unknown, "~", 0, 0, style);
    EXPECT_GE(inked(unknown).right, 0);
}

TEST(BitmapFont, DrawsAKnownStringPixelForPixelWithItsShadow) {
    // "L" is a bar down the left and a foot along the bottom; its shadow sits one font pixel
    // down and right, under the text where both fall on the same pixel.
    TextStyle style;
    style.pixelWidth = 2;
    style.pixelHeight = 2;
    style.colour = glm::vec4(1.0f, 1.0f, 1.0f, 1.0f);
    style.shadow = glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    RgbaImage image(20, 20);
    drawText(image, "L", 1, 1, style);
    const RgbaImage::Pixel white{255, 255, 255, 255};
    const RgbaImage::Pixel black{0, 0, 0, 255};
    const RgbaImage::Pixel clear{0, 0, 0, 0};
    EXPECT_EQ(image.at(1, 1), white);
    EXPECT_EQ(image.at(2, 14), white);
    EXPECT_EQ(image.at(10, 14), white);
    EXPECT_EQ(image.at(3, 3), black);
    EXPECT_EQ(image.at(12, 16), black);
    EXPECT_EQ(image.at(3, 1), clear);
    EXPECT_EQ(image.at(12, 14), clear);
    EXPECT_EQ(inked(image).bottom, 1 + textHeight(style) + 2);
}

TEST(BitmapFont, EveryCharacterOutsideTheFontIsOneQuestionMark) {
    // Two-, three- and four-byte UTF-8 letters and a tab; ASCII passes unchanged.
    EXPECT_EQ(fontText("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x99\x82\tok"), "Caf? ? ?\tok");
    RgbaImage odd(100, 20);
    RgbaImage marks(100, 20);
    drawText(odd, fontText("\xC3\xA9\t"), 0, 0, TextStyle{});
    drawText(marks, "??", 0, 0, TextStyle{});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(odd.at(x, y), marks.at(x, y)) << x << "|" << y;
        }
    }
}
