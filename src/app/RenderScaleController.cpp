#include "app/RenderScaleController.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::app {

namespace {

// Scales are kept on a grid of hundredths, so that steps up and down meet again exactly.
float onGrid(float scale) {
    return std::round(scale * 100.0f) / 100.0f;
}

} // namespace

RenderScaleController::RenderScaleController(double budgetSeconds, float startScale)
    : budget(budgetSeconds), scale(onGrid(std::clamp(startScale, minimum, maximum))) {}

void RenderScaleController::restartWindow() {
    counted = 0;
    sum = 0.0;
    slowest = 0.0;
}

void RenderScaleController::addFrame(double seconds, bool held) {
    if (held || !(seconds >= 0.0)) {
        restartWindow();
        return;
    }
    ++counted;
    sum += seconds;
    slowest = std::max(slowest, seconds);
    if (counted < windowFrames) {
        return;
    }
    const double average = sum / static_cast<double>(counted);
    float next = scale;
    if (average > lowerAbove * budget) {
        next = onGrid(std::max(minimum, scale - stepDown));
    } else if (average < raiseBelow * budget && slowest <= lowerAbove * budget) {
        next = onGrid(std::min(maximum, scale + stepUp));
    }
    scale = next;
    restartWindow();
}

} // namespace Vexmor::app
