#include "app/RenderScaleController.h"

#include <gtest/gtest.h>

#include <vector>

using Vexmor::app::RenderScaleController;

namespace {

constexpr double budget = 1.0 / 30.0;
constexpr std::size_t window = RenderScaleController::windowFrames;
// Frame times over the upper mark, between the marks, and well under the lower one.
constexpr double over = RenderScaleController::lowerAbove * budget * 1.5;
constexpr double between =
    (RenderScaleController::lowerAbove + RenderScaleController::raiseBelow) / 2.0 * budget;
constexpr double under = RenderScaleController::raiseBelow * budget * 0.6;

void feed(RenderScaleController& controller, double seconds, std::size_t frames,
          bool held = false) {
    for (std::size_t i = 0; i < frames; ++i) {
        controller.addFrame(seconds, held);
    }
}

} // namespace

TEST(RenderScaleController, StepsDownAtOnceOverTheMarkAndUpSlowlyWellUnderIt) {
    RenderScaleController controller(budget, 0.75f);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // One window over the mark: one large step down, decided on the window's last frame.
    feed(controller, over, window - 1);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);
    controller.addFrame(over, false);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.65f);

    // Well under: a small step up per whole window, no sooner.
    feed(controller, under, window);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.70f);
    feed(controller, under, window - 1);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.70f);
    controller.addFrame(under, false);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // A window whose average is low but that holds a frame over the mark is no headroom.
    feed(controller, under * 0.5, window - 1);
    controller.addFrame(over, false);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // Between the marks nothing changes, however long.
    feed(controller, between, window * 10);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);
}

TEST(RenderScaleController, ClampsToItsRangeAndStartsInsideIt) {
    RenderScaleController slow(budget, 0.55f);
    feed(slow, budget * 3.0, window * 5);
    EXPECT_FLOAT_EQ(slow.getScale(), 0.5f);

    RenderScaleController quick(budget, 0.9f);
    feed(quick, budget * 0.05, window * 10);
    EXPECT_FLOAT_EQ(quick.getScale(), 1.0f);

    EXPECT_FLOAT_EQ(RenderScaleController(budget, 0.2f).getScale(), 0.5f);
    EXPECT_FLOAT_EQ(RenderScaleController(budget, 3.0f).getScale(), 1.0f);
}

TEST(RenderScaleController, HeldFramesAreNotCountedAndRestartTheWindow) {
    RenderScaleController controller(budget, 0.75f);
    // A level loading, an era switch, an unfocused window: however slow, nothing moves.
    feed(controller, 2.0, 3 * window, true);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.75f);

    // Slow frames before a hold do not join the quick ones after it.
    feed(controller, over * 2.0, window - 1);
    controller.addFrame(over * 2.0, true);
    feed(controller, under, window);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.80f);

    // Nonsense times (a clock that stepped back) count as held.
    controller.addFrame(-1.0, false);
    feed(controller, under, window - 1);
    EXPECT_FLOAT_EQ(controller.getScale(), 0.80f);
}

TEST(RenderScaleController, SettlesWithoutGoingBackAndForthWhenFramesCostWhatTheirPixelsDo) {
    // A frame costs a fixed part and a part that grows with the pixels drawn, jittering
    // up and down around its mean from frame to frame.
    for (const double fullScaleCost : {0.008, 0.014, 0.020, 0.028, 0.040, 0.060}) {
        RenderScaleController controller(budget, 0.75f);
        std::vector<float> scales;
        for (int frame = 0; frame < 3000; ++frame) {
            const double scale = controller.getScale();
            const double jitter = frame % 2 == 0 ? 0.85 : 1.15;
            controller.addFrame((0.002 + fullScaleCost * scale * scale) * jitter, false);
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
                    0.002 + fullScaleCost * settled * settled <=
                        RenderScaleController::lowerAbove * budget)
            << "full-scale cost " << fullScaleCost << " settled at " << settled;
    }
}
