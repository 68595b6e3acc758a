#include "ShippedDataGl.h"

#include "Soak.h"
#include "common/CoutCapture.h"

#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/TimeSwitcher.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace Vexmor;

namespace {

using FogGl = ShippedDataGl;

// Mean absolute difference of two frames per colour channel, in steps of 1/255.
double meanDifference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    long long sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += std::abs(int(a[i]) - int(b[i]));
    }
    return double(sum) / double(a.size());
}

// The largest mean absolute difference of any 32 x 32 tile: a flash in a small part of
// the view shows here while it hardly moves the whole frame's mean.
double largestTileDifference(const std::vector<unsigned char>& a,
                             const std::vector<unsigned char>& b) {
    constexpr int tile = 32;
    double largest = 0.0;
    for (int ty = 0; ty < 768 / tile; ++ty) {
        for (int tx = 0; tx < 1024 / tile; ++tx) {
            long long sum = 0;
            for (int y = ty * tile; y < (ty + 1) * tile; ++y) {
                for (int x = tx * tile * 3; x < (tx + 1) * tile * 3; ++x) {
                    const std::size_t i = std::size_t(y) * 1024 * 3 + std::size_t(x);
                    sum += int(a[i]) - int(b[i]);
                }
            }
            largest = std::max(largest, std::abs(double(sum)) / double(tile * tile * 3));
        }
    }
    return largest;
}

} // namespace

TEST_F(FogGl, TheSwitchFogComesAndGoesWithoutAJump) {
    platform::ScriptedInput input;
    platform::setActiveInput(&input);
    soak::NoNextLevel changer;
    std::string corridor = "xDim 3\nyDim 3\nzDim 22\nplayer 1 1 20\n";
    for (int z = 1; z <= 20; ++z)
        corridor += "air 1 1 " + std::to_string(z) + "\n";
    data->write("corridor.lvl", corridor);
    screen::LevelManager level("corridor.lvl", &changer);
    CoutCapture quiet;
    level.init();
    constexpr double frameSeconds = 1.0 / 60.0;
    for (int frame = 0; frame < 120; ++frame) {
        level.update(frameSeconds);
    }
    const auto before = renderFrame(level);

    input.press('T');
    level.update(frameSeconds);
    input.release('T');
    ASSERT_TRUE(level.getTimeSwitcher()->isSwitching());
    auto frame = renderFrame(level);
    const auto first = frame;
    const double atFirst = meanDifference(before, frame);
    double largestStep = 0.0;
    double densest = 0.0;
    int switchFrames = 1;
    auto last = frame;
    for (;;) {
        level.update(frameSeconds);
        if (!level.getTimeSwitcher()->isSwitching())
            break;
        ++switchFrames;
        last = renderFrame(level);
        const double step = meanDifference(frame, last);
        largestStep = std::max(largestStep, step);
        densest = std::max(densest, meanDifference(before, last));
        frame = last;
    }
    const auto after = renderFrame(level);
    // The fog is nothing yet at the first frame and nothing any more at the last: no
    // region of the view changes by a whole step of 1/255 against the frame without fog.
    EXPECT_LT(largestTileDifference(before, first), 1.0);
    EXPECT_LT(largestTileDifference(last, after), 1.0);
    EXPECT_LT(atFirst, 0.05);
    EXPECT_EQ(switchFrames, 300);
    // At the densest point the fog covers the view; from one 60 Hz frame to the next the
    // whole view moves by a few steps, as the swirl's own motion does at its densest
    // (about 1.3), never by the tens that a flash or a pattern jumping about would give.
    EXPECT_GT(densest, 80.0);
    EXPECT_LT(largestStep, 10.0);
    level.close();
    platform::setActiveInput(nullptr);
}

TEST_F(FogGl, OutsideASwitchTheShaderWithoutFogDrawsWhatTheFullShaderDrawsWithNoFog) {
    platform::ScriptedInput input;
    platform::setActiveInput(&input);
    soak::NoNextLevel changer;
    screen::LevelManager level("levels\\01_first_steps.lvl", &changer);
    CoutCapture quiet;
    level.init();
    level.update(1.0 / 60.0);
    const auto withoutFog = renderScene(level, -1.0f);
    // With the front beyond the far plane the full shader adds no fog at all.
    const auto frontFarAway = renderScene(level, 1000.0f);
    int largest = 0;
    for (std::size_t i = 0; i < withoutFog.size(); ++i) {
        largest = std::max(largest, std::abs(int(withoutFog[i]) - int(frontFarAway[i])));
    }
    EXPECT_LE(largest, 1);
    EXPECT_LT(meanDifference(withoutFog, frontFarAway), 0.01);
    EXPECT_GT(meanDifference(withoutFog, std::vector<unsigned char>(withoutFog.size(), 0)), 5.0)
        << "the view should show the lit level";

    // The fog's code is really gone from the lighter build.
    const engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    EXPECT_NE(glGetUniformLocation(shaders.materialShadowTextureProgram->handle, "fogTimer"), -1);
    EXPECT_EQ(glGetUniformLocation(shaders.materialShadowTextureFoglessProgram->handle, "fogTimer"),
              -1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    level.close();
    platform::setActiveInput(nullptr);
}
