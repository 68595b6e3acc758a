#include "app/Settings.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::app {

float SettingRange::stepped(float value, int direction) const {
    // Counted in whole steps, so that many presses do not drift off the grid; a value
    // between two steps (written by hand) goes to the next one that way.
    constexpr double onStep = 1e-4;
    const double steps = static_cast<double>(value) / step;
    const double next =
        direction > 0 ? std::floor(steps + onStep) + 1 : std::ceil(steps - onStep) - 1;
    return static_cast<float>(
        std::clamp(next * step, static_cast<double>(minimum), static_cast<double>(maximum)));
}

std::optional<float> Settings::steppedRenderScale(std::optional<float> scale, int direction) {
    if (!scale) {
        return direction > 0 ? std::optional<float>(renderScaleRange.minimum) : std::nullopt;
    }
    if (direction < 0 && *scale <= renderScaleRange.minimum) {
        return std::nullopt;
    }
    return renderScaleRange.stepped(*scale, direction);
}

const char* lookName(Look look) {
    switch (look) {
    case Look::Full:
        return "full";
    case Look::Fast:
        return "fast";
    case Look::Auto:
        break;
    }
    return "auto";
}

std::optional<Look> lookNamed(std::string_view name) {
    for (const Look look : {Look::Auto, Look::Full, Look::Fast}) {
        if (name == lookName(look)) {
            return look;
        }
    }
    return std::nullopt;
}

} // namespace Vexmor::app
