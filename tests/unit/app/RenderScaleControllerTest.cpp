#include "app/RenderScaleController.h"

#include <gtest/gtest.h>

#include <vector>

using Vexmor::app::RenderScaleController;

namespace {

constexpr double budget = 1.0 / 30.0;

void feed(RenderScaleController& controller, double seconds, std::size_t frames,
          bool held = false) {
    for (std::size_t i = 0; i < frames; ++i) {
        controller.addFrame(seconds, held);
    }
}

} // namespace

TEST(RenderScaleController, StepsDownAtOnceOverBudgetAndUpSlowlyWellUnderIt) {
    RenderScaleController controller(budget, 0.75f);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // One window over budget: one large step down, decided on the window's last frame.
    feed(controller, budget * 1.2, RenderScaleController::windowFrames - 1);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);
    controller.addFrame(budget * 1.2, false);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.65f);

    // Well under budget: a small step up per whole window, no sooner.
    feed(controller, budget * 0.3, RenderScaleController::windowFrames);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.70f);
    feed(controller, budget * 0.3, RenderScaleController::windowFrames);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // A single slow frame in an otherwise quick window is not a run well under budget.
    feed(controller, budget * 0.3, RenderScaleController::windowFrames - 1);
    controller.addFrame(budget * 0.6, false);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // Inside the band between the marks nothing changes, however long.
    feed(controller, budget * 0.6, RenderScaleController::windowFrames * 10);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);
}

TEST(RenderScaleController, ClampsToItsRangeAndStartsInsideIt) {
    RenderScaleController slow(budget, 0.55f);
    feed(slow, budget * 3.0, RenderScaleController::windowFrames * 5);
    EXPECT_FLOAT_EQ(slow.getScale(), 0.5f);

    RenderScaleController quick(budget, 0.9f);
    feed(quick, budget * 0.1, RenderScaleController::windowFrames * 10);
    EXPECT_FLOAT_EQ(quick.getScale(), 1.0f);

    EXPECT_FLOAT_EQ(RenderScaleController(budget, 0.2f).getScale(), 0.5f);
    EXPECT_FLOAT_EQ(RenderScaleController(budget, 3.0f).getScale(), 1.0f);
}

TEST(RenderScaleController, HeldFramesAreNotCountedAndRestartTheWindow) {
    RenderScaleController controller(budget, 0.75f);
    // A level loading, an era switch, an unfocused window: however slow, nothing moves.
    feed(controller, 2.0, 3 * RenderScaleController::windowFrames, true);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // Slow frames before a hold do not join the quick ones after it.
    feed(controller, budget * 2.0, RenderScaleController::windowFrames - 1);
    controller.addFrame(budget * 2.0, true);
    feed(controller, budget * 0.3, RenderScaleController::windowFrames);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.80f);

    // Nonsense times (a clock that stepped back) count as held.
    controller.addFrame(-1.0, false);
    feed(controller, budget * 0.3, RenderScaleController::windowFrames - 1);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.80f);
}

TEST(RenderScaleController, SettlesWithoutGoingBackAndForthWhenFramesCostWhatTheirPixelsDo) {
    // A frame costs a fixed part and a part that grows with the pixels drawn, jittering
    // up and down around its mean from frame to frame.
    for (const double fullScaleCost : {0.020, 0.028, 0.034, 0.045, 0.060}) {
        RenderScaleController controller(budget, 0.75f);
        std::vector<float> scales;
        for (int frame = 0; frame < 3000; ++frame) {
            const double scale = controller.getScale();
            const double jitter = frame % 2 == 0 ? 0.85 : 1.15;
            controller.addFrame((0.003 + fullScaleCost * scale * scale) * jitter, false);
            if (scales.empty() || scales.back() != controller.getScale()) {
                scales.push_back(controller.getScale());
            }
        }
        // Moving one way and then the other at most once: no ping-pong.
        int turns = 0;
        for (std::size_t i = 2; i < scales.size(); ++i) {
            const bool wasRising = scales[i - 1] > scales[i - 2];
            const bool rises = scales[i] > scales[i - 1];
            turns += wasRising != rises ? 1 : 0;
        }
        EXPECT_LE(turns, 1) << "full-scale cost " << fullScaleCost;
        // Where it settles, the average frame keeps under the upper mark.
        const double settled = controller.getScale();
        EXPECT_TRUE(settled == RenderScaleController::minimum ||
                    0.003 + fullScaleCost * settled * settled <=
                        RenderScaleController::lowerAbove * budget)
            << "full-scale cost " << fullScaleCost << " settled at " << settled;
    }
}
