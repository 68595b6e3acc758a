#pragma once

#include <algorithm>

namespace Vexmor::engine {

// The most that a timed animation (a door's swing, the era switch, the time machine, the
// title card) moves on in one frame. A hitch (a screenshot save, a window drag, a level
// load) then holds it up instead of jumping it forward; physics still steps the whole time.
constexpr double longestAnimationStep = 0.1;

// A frame's time as such an animation counts it.
constexpr double animationStep(double frameSeconds) {
    return std::min(frameSeconds, longestAnimationStep);
}

} // namespace Vexmor::engine
