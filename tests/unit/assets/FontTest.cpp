#include "image/Font.h"

#include <gtest/gtest.h>

using Vexmor::assetgen::drawText;
using Vexmor::assetgen::Image;
using Vexmor::assetgen::textHeight;
using Vexmor::assetgen::TextStyle;
using Vexmor::assetgen::textWidth;

namespace {

struct Extent {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
};

Extent inked(const Image& image) {
    Extent extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y).a > 0.0f) {
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

TEST(Font, TextFillsExactlyTheBoxItsMeasurementsPromise) {
    // Centred layouts rely on these sizes; "HM" has ink in its first and last columns
    // and in the top and bottom rows.
    TextStyle style;
    style.pixelWidth = 3;
    style.pixelHeight = 4;
    Image image(200, 60, glm::vec4(0.0f));
    drawText(image, "HM", 10, 5, style);
    const Extent extent = inked(image);
    EXPECT_EQ(extent.left, 10);
    EXPECT_EQ(extent.top, 5);
    EXPECT_EQ(extent.right - extent.left, textWidth("HM", style));
    EXPECT_EQ(extent.bottom - extent.top, textHeight(style));
    EXPECT_EQ(textWidth("HM", style), (2 * 6 - 1) * 3);
}

TEST(Font, LowerCaseDrawsAsCapitalsAndUnknownCharactersAreVisible) {
    TextStyle style;
    Image lower(100, 40, glm::vec4(0.0f));
    Image upper(100, 40, glm::vec4(0.0f));
    drawText(lower, "esc", 0, 0, style);
    drawText(upper, "ESC", 0, 0, style);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(lower.at(x, y), upper.at(x, y));
        }
    }
    Image unknown(40, 40, glm::vec4(0.0f));
    drawText(unknown, "~", 0, 0, style);
    EXPECT_GE(inked(unknown).right, 0);
}
