#pragma once

#include <cstddef>

namespace Vexmor::app {

// Holds a frame budget by drawing the level at a lower resolution when frames run long.
// Frame times are averaged over a window of frames; an average over the upper mark lowers
// the scale at once by a large step, and an average under the lower mark, with no frame of
// the window over the upper one, raises it by a small one. After every change a whole new
// window is waited for, and frames that say nothing of the usual cost (an era switch, a
// level loading, an unfocused window) are not counted at all.
class RenderScaleController {
public:
    static constexpr float minimum = 0.5f;
    static constexpr float maximum = 1.0f;
    static constexpr float stepDown = 0.1f;
    static constexpr float stepUp = 0.05f;
    static constexpr std::size_t windowFrames = 20;
    // The average is kept under half the budget: the views that cost most, and
    // the era switch's fog (held at the scale it found, at about 1.7 times the cost), must
    // still fit. The gap between the marks is wider than the cost of a step up, so the
    // scale does not go back and forth.
    static constexpr double lowerAbove = 0.5;
    static constexpr double raiseBelow = 0.35;

    RenderScaleController(double budgetSeconds, float startScale);

    // One frame's cost in seconds. While `held`, the frame is not counted and the window
    // starts again.
    void addFrame(double seconds, bool held);

    float getScale() const { return scale; }
    double getBudget() const { return budget; }

private:
    void restartWindow();

    double budget;
    float scale;
    std::size_t counted = 0;
    double sum = 0.0;
    double slowest = 0.0;
};

} // namespace Vexmor::app
