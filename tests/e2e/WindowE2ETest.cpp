#include "GameProcess.h"

#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// A screenshot's pixels as luminance, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<int> luminance;

    int at(int x, int y) const { return luminance[std::size_t(y) * std::size_t(width) + x]; }
};

Picture load(const fs::path& file) {
    const Vexmor::engine::FreeImageBitmap bitmap(
        FreeImage_Load(FIF_PNG, file.string().c_str(), PNG_DEFAULT));
    Picture picture;
    if (!bitmap) {
        return picture;
    }
    picture.width = int(FreeImage_GetWidth(bitmap.get()));
    picture.height = int(FreeImage_GetHeight(bitmap.get()));
    picture.luminance.resize(std::size_t(picture.width) * std::size_t(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        // FreeImage keeps rows bottom up.
        const BYTE* row = FreeImage_GetScanLine(bitmap.get(), picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const BYTE* pixel = row + x * 3;
            picture.luminance[std::size_t(y) * std::size_t(picture.width) + x] =
                (pixel[FI_RGBA_RED] * 3 + pixel[FI_RGBA_GREEN] * 6 + pixel[FI_RGBA_BLUE]) / 10;
        }
    }
    return picture;
}

// Width over height of the bright far wall at the end of the corridor: the lamp lights it
// head on, so it stands out of the dim side walls around the middle of the view.
double farWallShape(const Picture& picture) {
    int left = picture.width;
    int right = -1;
    int top = picture.height;
    int bottom = -1;
    for (int y = picture.height / 4; y < picture.height * 3 / 4; ++y) {
        for (int x = picture.width / 4; x < picture.width * 3 / 4; ++x) {
            if (picture.at(x, y) > 100) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < left ? 0.0 : double(right - left + 1) / double(bottom - top + 1);
}

// Where the crosshair's white lines are, near the middle of the view.
std::pair<double, double> crosshairCentre(const Picture& picture) {
    double sumX = 0.0;
    double sumY = 0.0;
    int count = 0;
    for (int y = picture.height / 2 - 24; y < picture.height / 2 + 24; ++y) {
        for (int x = picture.width / 2 - 24; x < picture.width / 2 + 24; ++x) {
            if (picture.at(x, y) > 220) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    return count == 0 ? std::pair(-1.0, -1.0) : std::pair(sumX / count, sumY / count);
}

class WindowE2E : public ::testing::Test {
protected:
    // A straight corridor north, the player at its south end looking along it.
    void SetUp() override {
        for (const char* folder : {"shader", "models", "img"}) {
            fs::copy(fs::path(VEXMOR_DATA_DIR) / folder, data.path() / folder,
                     fs::copy_options::recursive);
        }
        std::string corridor = "xDim 3\nyDim 3\nzDim 10\nplayer 1 1 8\n";
        for (int z = 1; z <= 8; ++z) {
            corridor += "air 1 1 " + std::to_string(z) + "\n";
        }
        data.write("levels/corridor.lvl", corridor);
        data.write("levels/levels.ini", "levels\\corridor.lvl\n");
    }

    // F12, and the screenshot it wrote.
    Picture shoot(GameProcess& game, int number) {
        game.tapKey("F12");
        const fs::path file = data.path() / ("screenshot" + std::to_string(number) + ".png");
        for (int i = 0; i < 100 && !fs::exists(file); ++i) {
            std::this_thread::sleep_for(50ms);
        }
        std::this_thread::sleep_for(200ms);
        return load(file);
    }

    TempDirectory data;
};

} // namespace

TEST_F(WindowE2E, AResizedOrFullScreenWindowShowsTheSameViewUnstretchedAtItsOwnSize) {
    GameProcess game(data.path());
    // At full scale, so the shapes are measured on sharp pictures.
    game.setEnvironment("VEXMOR_RENDER_SCALE", "1");
    game.start({"--level", "levels/corridor.lvl"});
    ASSERT_NE(game.waitForWindow(20s), 0u) << game.output();
    ASSERT_TRUE(game.waitForOutput("First render...\n", 20s)) << game.output();
    // Past the title card.
    std::this_thread::sleep_for(4s);

    const Picture start = shoot(game, 0);
    game.resizeWindow(1280, 800);
    std::this_thread::sleep_for(500ms);
    const Picture resized = shoot(game, 1);
    game.tapKey("F11");
    std::this_thread::sleep_for(1s);
    const Picture full = shoot(game, 2);
    game.tapKey("F11");
    std::this_thread::sleep_for(1s);
    const Picture back = shoot(game, 3);
    game.requestClose();
    EXPECT_EQ(game.waitForExit(20s), std::optional<int>(0)) << game.output();

    EXPECT_EQ(std::pair(start.width, start.height), std::pair(1024, 768));
    EXPECT_EQ(std::pair(resized.width, resized.height), std::pair(1280, 800));
    // Full screen covers the test display's screen (1280 x 1024), and F11 again gives the
    // window back at its size.
    EXPECT_EQ(std::pair(full.width, full.height), std::pair(1280, 1024));
    EXPECT_EQ(std::pair(back.width, back.height), std::pair(1280, 800));

    const double startShape = farWallShape(start);
    ASSERT_GT(startShape, 0.5) << "the far wall should show in the middle";
    for (const Picture* picture : {&resized, &full, &back}) {
        EXPECT_NEAR(farWallShape(*picture) / startShape, 1.0, 0.03)
            << picture->width << " x " << picture->height;
        const auto [x, y] = crosshairCentre(*picture);
        EXPECT_NEAR(x, picture->width / 2.0, 2.0) << picture->width << " x " << picture->height;
        EXPECT_NEAR(y, picture->height / 2.0, 2.0) << picture->width << " x " << picture->height;
    }
}

TEST_F(WindowE2E, AFixedRenderScaleIsNamedAndABadOneIsIgnoredWithAWarning) {
    const auto run = [this](const std::string& scale) {
        GameProcess game(data.path());
        game.setEnvironment("VEXMOR_RENDER_SCALE", scale);
        game.setEnvironment("VEXMOR_LOOK", "full");
        game.start();
        EXPECT_NE(game.waitForWindow(20s), 0u) << game.output();
        EXPECT_TRUE(game.waitForOutput("First render...\n", 20s)) << game.output();
        std::this_thread::sleep_for(4s);
        const Picture picture = shoot(game, 0);
        fs::remove(data.path() / "screenshot0.png");
        game.tapKey("Escape");
        EXPECT_EQ(game.waitForExit(20s), std::optional<int>(0)) << game.output();
        return std::pair(game.output(), picture);
    };
    const auto [halfOutput, half] = run("0.5");
    EXPECT_EQ(halfOutput.find("[WARN] VEXMOR"), std::string::npos) << halfOutput;
    // A quarter of the pixels drawn, the view the same shape, the window its full size.
    EXPECT_EQ(std::pair(half.width, half.height), std::pair(1024, 768));
    const double halfShape = farWallShape(half);

    const auto [badOutput, bad] = run("0.3");
    EXPECT_NE(badOutput.find("[WARN] VEXMOR_RENDER_SCALE='0.3' ignored: it takes a number from "
                             "0.5 to 1, or auto\n"),
              std::string::npos)
        << badOutput;
    EXPECT_NEAR(halfShape / farWallShape(bad), 1.0, 0.05);
    if (halfOutput.find("[INFO] Software rasteriser: ") != std::string::npos) {
        EXPECT_NE(halfOutput.find(", full look, render scale 0.50\n"), std::string::npos)
            << halfOutput;
        EXPECT_NE(badOutput.find(", full look, render scale auto\n"), std::string::npos)
            << badOutput;
    }
}

TEST_F(WindowE2E, FullScreenChosenInTheOptionsIsKeptForTheNextStart) {
    // Two taps inside one frame read as one press: on a loaded machine frames of the
    // software rasteriser can take a good part of a second.
    const auto tap = [](GameProcess& game, const std::string& key) {
        game.tapKey(key);
        std::this_thread::sleep_for(600ms);
    };
    {
        GameProcess game(data.path());
        game.start();
        ASSERT_NE(game.waitForWindow(20s), 0u) << game.output();
        ASSERT_TRUE(game.waitForOutput("First render...\n", 20s)) << game.output();
        // New game, Choose level, Options; then the sixth line, full screen.
        for (const char* key :
             {"Down", "Down", "Return", "Down", "Down", "Down", "Down", "Down", "Return"}) {
            tap(game, key);
        }
        std::this_thread::sleep_for(1s);
        game.requestClose();
        ASSERT_EQ(game.waitForExit(20s), std::optional<int>(0)) << game.output();
    }
    std::ifstream file(data.path() / "home/.config/vexmor/settings.toml");
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(text.find("full_screen = true"), std::string::npos) << text;

    GameProcess again(data.path());
    again.start();
    ASSERT_NE(again.waitForWindow(20s), 0u) << again.output();
    ASSERT_TRUE(again.waitForOutput("First render...\n", 20s)) << again.output();
    std::this_thread::sleep_for(2s);
    const Picture picture = shoot(again, 0);
    EXPECT_EQ(std::pair(picture.width, picture.height), std::pair(1280, 1024));
    again.requestClose();
    EXPECT_EQ(again.waitForExit(20s), std::optional<int>(0));
}
