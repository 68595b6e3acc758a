#include "hud/TitleCard.h"
#include "hud/BitmapFont.h"
#include "hud/TitleTimer.h"

#include <gtest/gtest.h>

using Vexmor::hud::RgbaImage;
using Vexmor::hud::TitleCard;
using Vexmor::hud::TitleTimer;

namespace {

// The columns that hold any ink in the rows [top, bottom).
std::pair<int, int> inkedColumns(const RgbaImage& card, int top, int bottom) {
    int left = card.width();
    int right = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (card.at(x, y)[3] > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

bool isLight(const RgbaImage::Pixel& pixel) {
    return pixel[3] == 255 && pixel[0] > 200 && pixel[1] > 180;
}

bool isDark(const RgbaImage::Pixel& pixel) {
    return pixel[3] == 255 && pixel[0] < 30 && pixel[1] < 30 && pixel[2] < 30;
}

} // namespace

TEST(TitleCard, TwoCentredLinesOfLightTextEdgedInDarkOnClearGround) {
    const RgbaImage both = TitleCard::render("Level 2 of 7", "Stairs");
    const RgbaImage alone = TitleCard::render("", "Stairs");
    EXPECT_EQ(both.width(), 1024);
    EXPECT_GT(both.height(), alone.height());
    EXPECT_LT(both.height(), 140);

    // Every texel is either clear or opaque, so a fade can dim the card evenly.
    int light = 0;
    int dark = 0;
    for (int y = 0; y < both.height(); ++y) {
        for (int x = 0; x < both.width(); ++x) {
            const RgbaImage::Pixel pixel = both.at(x, y);
            ASSERT_TRUE(pixel[3] == 0 || pixel[3] == 255) << x << "|" << y;
            light += isLight(pixel) ? 1 : 0;
            dark += isDark(pixel) ? 1 : 0;
        }
    }
    EXPECT_GT(light, 500);
    EXPECT_GT(dark, light / 2);
    EXPECT_EQ(both.at(0, 0)[3], 0);
    EXPECT_EQ(both.at(1023, both.height() - 1)[3], 0);

    // Both lines are centred on the window (the shadow reaches a little further right); the
    // title starts where the cards differ in height, below the top margin.
    const int split = both.height() - alone.height();
    const int clearTop = 6;
    const auto levelInk = inkedColumns(both, 0, split);
    const auto titleInk = inkedColumns(both, split + clearTop, both.height());
    EXPECT_NEAR(levelInk.first + levelInk.second, 1023, 6);
    EXPECT_NEAR(titleInk.first + titleInk.second, 1023, 6);
}

TEST(TitleCard, ALongTitleShrinksAndOneTooLongForTheSmallestSizeIsCut) {
    const TitleCard::Fit shortTitle = TitleCard::fitTitle("Doors");
    const TitleCard::Fit longer = TitleCard::fitTitle(std::string(50, 'W'));
    EXPECT_EQ(shortTitle.text, "Doors");
    EXPECT_GT(shortTitle.pixelSize, longer.pixelSize);
    EXPECT_EQ(longer.text, std::string(50, 'W'));

    const TitleCard::Fit huge = TitleCard::fitTitle(std::string(500, 'A') + "\xC3\xA9");
    ASSERT_GE(huge.text.size(), 4u);
    EXPECT_EQ(huge.text.substr(huge.text.size() - 3), "...");
    EXPECT_LT(huge.text.size(), 100u);
    Vexmor::hud::TextStyle style;
    style.pixelWidth = huge.pixelSize;
    EXPECT_LE(Vexmor::hud::textWidth(huge.text, style), 1024);

    // Whatever the title, the card is drawn and holds its text inside the window.
    const RgbaImage card = TitleCard::render("Level 1 of 1", std::string(500, 'M'));
    const auto ink = inkedColumns(card, 0, card.height());
    EXPECT_GT(ink.first, 0);
    EXPECT_LT(ink.second, 1023);
}

TEST(TitleTimer, ShowsThreeSecondsFromTheFrameAfterLoadingAndFadesOverTheLastHalf) {
    TitleTimer timer;
    // The frame after the start carries the loading time.
    timer.advance(5.0);
    EXPECT_TRUE(timer.isShowing());
    EXPECT_FLOAT_EQ(timer.opacity(), 1.0f);
    // Sixteenths of a second add up exactly.
    const auto run = [&timer](int sixteenths) {
        for (int frame = 0; frame < sixteenths; ++frame) {
            timer.advance(1.0 / 16.0);
        }
    };
    run(40);
    EXPECT_FLOAT_EQ(timer.opacity(), 1.0f);
    run(4);
    EXPECT_NEAR(timer.opacity(), 0.5f, 1e-5);
    EXPECT_TRUE(timer.isShowing());
    run(4);
    EXPECT_FALSE(timer.isShowing());
    EXPECT_FLOAT_EQ(timer.opacity(), 0.0f);
}

// A screenshot or a window drag while the title shows counts as a tenth of a second, so
// the card is not skipped; short frames still count in full.
TEST(TitleTimer, AHitchCountsNoMoreThanATenthOfASecond) {
    TitleTimer timer;
    timer.advance(5.0);
    for (int frame = 0; frame < 20; ++frame) {
        timer.advance(0.1);
    }
    timer.advance(2.0);
    EXPECT_FLOAT_EQ(timer.opacity(), 1.0f);
    for (int frame = 0; frame < 6; ++frame) {
        timer.advance(0.1);
    }
    EXPECT_TRUE(timer.isShowing());
    EXPECT_NEAR(timer.opacity(), 0.6f, 1e-5);
}
