#include "ShippedDataGl.h"

#include "Soak.h"
#include "common/CoutCapture.h"

#include "app/GpuFrameTimer.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace Vexmor;

namespace {

using RenderScaleGl = ShippedDataGl;

struct Difference {
    int largest = 0;
    // Share of pixels with any channel apart by more than 2 steps.
    double changedShare = 0.0;
    // Pixels with any channel apart by more than 1 step.
    int strayPixels = 0;
    double mean = 0.0;
};

Difference compare(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    Difference difference;
    long long sum = 0;
    std::size_t changed = 0;
    for (std::size_t pixel = 0; pixel + 2 < a.size(); pixel += 3) {
        int largestHere = 0;
        for (std::size_t channel = pixel; channel < pixel + 3; ++channel) {
            const int step = std::abs(int(a[channel]) - int(b[channel]));
            largestHere = std::max(largestHere, step);
            sum += step;
        }
        difference.largest = std::max(difference.largest, largestHere);
        changed += largestHere > 2 ? 1 : 0;
        difference.strayPixels += largestHere > 1 ? 1 : 0;
    }
    difference.changedShare = double(changed) / double(a.size() / 3);
    difference.mean = double(sum) / double(a.size());
    return difference;
}

} // namespace

TEST_F(RenderScaleGl, TheScaledTargetAtFullSizeDrawsTheWindowsPictureAndSmallerOnesStayClose) {
    platform::ScriptedInput input;
    platform::setActiveInput(&input);
    soak::NoNextLevel changer;
    screen::LevelManager level("levels\\01_first_steps.lvl", &changer);
    CoutCapture quiet;
    level.init();
    level.update(1.0 / 60.0);
    app::RenderSettings& settings = app::renderSettings();

    const auto direct = renderFrame(level);
    // Just under 1: the target is used, at the window's own size.
    settings.renderScale = 0.9999f;
    const auto fullTarget = renderFrame(level);
    const Difference same = compare(direct, fullTarget);
    // Within a step everywhere but at most a few pixels on an edge, where the two
    // rasterisations may split a sliver differently.
    EXPECT_LE(same.strayPixels, 4);
    EXPECT_LT(same.mean, 0.01);
    EXPECT_GT(compare(direct, std::vector<unsigned char>(direct.size(), 0)).mean, 5.0)
        << "the view should show the lit level";

    // Half and 0.7 of the size: softer, the same view, and the crosshair still sharp in
    // the middle (it is drawn after, at the window's resolution).
    for (const float scale : {0.7f, 0.5f}) {
        settings.renderScale = scale;
        const auto scaled = renderFrame(level);
        const Difference soft = compare(direct, scaled);
        EXPECT_GT(soft.largest, 1) << scale;
        EXPECT_LT(soft.mean, 4.0) << scale;
        EXPECT_LT(soft.changedShare, 0.5) << scale;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    level.close();
    platform::setActiveInput(nullptr);
}

TEST_F(RenderScaleGl, TheLookChangesInPlaceAndTheFastOneDiffersOnlyAtShadowEdges) {
    platform::ScriptedInput input;
    platform::setActiveInput(&input);
    soak::NoNextLevel changer;
    data->write("corridor.lvl", [] {
        // A ball in a corridor casts a shadow for the lamp above the eye.
        std::string text = "xDim 3\nyDim 3\nzDim 12\nplayer 1 1 10\nball 1 1 7\n";
        for (int z = 1; z <= 10; ++z)
            text += "air 1 1 " + std::to_string(z) + "\n";
        return text;
    }());
    screen::LevelManager level("corridor.lvl", &changer);
    CoutCapture quiet;
    level.init();
    level.update(1.0 / 60.0);
    // The look changes in place, as the options change it, on the level already open.
    const auto draw = [&](bool fast) {
        app::renderSettings().fastLook = fast;
        engine::ShaderLibrary::getInstance().useLook(fast);
        return std::pair(renderScene(level, -1.0f), renderScene(level, 4.0f));
    };
    const auto [full, fullFog] = draw(false);
    const auto [fast, fastFog] = draw(true);
    EXPECT_TRUE(draw(false).first == full) << "back to the full look, the same picture";
    level.close();
    // Only the shadow's soft edge changes: a small share of the view.
    const Difference looks = compare(full, fast);
    EXPECT_GT(looks.largest, 2) << "the fast build should really be another build";
    EXPECT_LT(looks.changedShare, 0.03);
    // The fog closes in the same way in both.
    EXPECT_GT(compare(fast, fastFog).mean, 10.0);
    EXPECT_LT(compare(fullFog, fastFog).changedShare, 0.03);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    platform::setActiveInput(nullptr);
}

TEST_F(RenderScaleGl, TheCardsFrameTimeArrivesAFewFramesLaterWithoutStallingAFrame) {
    app::GpuFrameTimer timer;
    EXPECT_EQ(timer.latestSeconds(), 0.0);
    for (int frame = 0; frame < 8; ++frame) {
        timer.begin();
        glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        timer.end();
        glFinish();
    }
    EXPECT_GT(timer.latestSeconds(), 0.0);
    EXPECT_LT(timer.latestSeconds(), 1.0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
