#include "ShippedDataGl.h"
#include "common/CoutCapture.h"

#include "hud/TitleCard.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/GameScreen.h"
#include "screen/TestScreen.h"

#include <algorithm>
#include <string>

using namespace Vexmor;

namespace {

// A small room the player looks across; its own title or none.
std::string roomLevel(const std::string& titleLine) {
    std::string text = titleLine + "xDim 5\nyDim 3\nzDim 5\nplayer 2 1 3\n";
    for (int x = 1; x <= 3; ++x) {
        for (int z = 1; z <= 3; ++z) {
            text += "air " + std::to_string(x) + " 1 " + std::to_string(z) + "\n";
        }
    }
    return text;
}

// How the top of the window compares with a title card drawn fully there.
struct CardMatch {
    int inked = 0;     // the card's opaque texels
    int matching = 0;  // of those, the pixels showing the card's colour
    int brightest = 0; // the brightest red of any inked pixel
};

} // namespace

class TitleGl : public ShippedDataGl {
protected:
    void SetUp() override {
        ShippedDataGl::SetUp();
        // The levels are the test's own, not the shipped ones.
        std::filesystem::remove(data->path() / "levels");
        data->write("levels/levels.ini", "levels\\a.lvl\nlevels\\b.lvl\n");
        data->write("levels/a.lvl", roomLevel("# Title: Alpha\n"));
        data->write("levels/b.lvl", roomLevel(""));
        data->write("levels/testLevel.lvl", roomLevel("# Title: Bench\n"));
        platform::setActiveInput(&input);
    }

    void TearDown() override {
        platform::setActiveInput(nullptr);
        ShippedDataGl::TearDown();
    }

    // One frame of the loop at 60 Hz; the window's pixels afterwards (RGB, bottom row up).
    std::vector<unsigned char> frame(screen::Screen& screen) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        CoutCapture quiet;
        screen.update(1.0 / 60.0);
        screen.render();
        std::vector<unsigned char> pixels(width * height * 3);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Frames until `seconds` of title time have passed since the level started (the frame
    // after the start, which carries the loading, does not count).
    std::vector<unsigned char> runTo(screen::Screen& screen, double seconds, int& frames) {
        std::vector<unsigned char> pixels;
        while ((frames - 1) / 60.0 < seconds) {
            pixels = frame(screen);
            ++frames;
        }
        return pixels;
    }

    static CardMatch compare(const std::vector<unsigned char>& pixels, const hud::RgbaImage& card) {
        CardMatch match;
        for (int y = 0; y < card.height(); ++y) {
            for (int x = 0; x < card.width(); ++x) {
                const hud::RgbaImage::Pixel texel = card.at(x, y);
                if (texel[3] == 0) {
                    continue;
                }
                const unsigned char* shown =
                    &pixels[(static_cast<std::size_t>(height - 1 - y) * width + x) * 3];
                ++match.inked;
                match.brightest = std::max<int>(match.brightest, shown[0]);
                bool same = true;
                for (int c = 0; c < 3; ++c) {
                    same = same && std::abs(int(shown[c]) - int(texel[c])) <= 2;
                }
                match.matching += same ? 1 : 0;
            }
        }
        return match;
    }

    platform::ScriptedInput input;
};

TEST_F(TitleGl, ALevelFromTheListShowsItsPlaceAndTitleForThreeSecondsButNotUnderTheHelp) {
    screen::GameScreen game;
    {
        CoutCapture quiet;
        game.init();
    }
    const hud::RgbaImage first = hud::TitleCard::render("Level 1 of 2", "Alpha");
    int frames = 0;
    const CardMatch start = compare(runTo(game, 0.5, frames), first);
    ASSERT_GT(start.inked, 1000);
    EXPECT_EQ(start.matching, start.inked) << "the card shows texel for texel at the top";

    // The help image hides it, and its time goes on meanwhile.
    app::renderSettings().showHelp = true;
    const std::vector<unsigned char> helpWithTitle = runTo(game, 1.0, frames);
    app::renderSettings().showHelp = false;
    EXPECT_LT(compare(helpWithTitle, first).matching, start.inked / 4);

    EXPECT_EQ(compare(runTo(game, 2.45, frames), first).matching, start.inked);
    // Fading: still there, but dimmer than the card.
    const CardMatch fading = compare(runTo(game, 2.8, frames), first);
    EXPECT_LT(fading.matching, start.inked / 4);
    EXPECT_LT(fading.brightest, start.brightest - 60);
    EXPECT_GT(fading.brightest, 40);
    const CardMatch gone = compare(runTo(game, 3.05, frames), first);
    EXPECT_LT(gone.brightest, 40);
    EXPECT_LT(gone.matching, start.inked / 20);

    // The next level starts named by its place and, without a title line, by its file.
    game.nextLevel();
    frames = 0;
    const CardMatch second =
        compare(runTo(game, 0.2, frames), hud::TitleCard::render("Level 2 of 2", "b"));
    EXPECT_EQ(second.matching, second.inked);
    EXPECT_GT(second.inked, 500);
    CoutCapture quiet;
    game.close();
}

TEST_F(TitleGl, TheTestScreenShowsTheTitleAlone) {
    screen::TestScreen bench;
    {
        CoutCapture quiet;
        bench.init();
    }
    int frames = 0;
    const hud::RgbaImage alone = hud::TitleCard::render("", "Bench");
    const CardMatch start = compare(runTo(bench, 0.5, frames), alone);
    EXPECT_EQ(start.matching, start.inked);
    EXPECT_LT(compare(runTo(bench, 3.05, frames), alone).brightest, 40);
    bench.close();
}
