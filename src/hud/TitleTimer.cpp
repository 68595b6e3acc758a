#include "hud/TitleTimer.h"

#include "engine/AnimationStep.h"

#include <algorithm>

namespace Vexmor::hud {

void TitleTimer::advance(double seconds) {
    if (loadingFrame) {
        loadingFrame = false;
        return;
    }
    shown += engine::animationStep(seconds);
}

float TitleTimer::opacity() const {
    const double left = showSeconds - shown;
    return static_cast<float>(std::clamp(left / fadeSeconds, 0.0, 1.0));
}

} // namespace Vexmor::hud
