#pragma once

#include "app/RenderScaleController.h"

#include <optional>
#include <string_view>

namespace Vexmor::app {

// The level shader's look: chosen by the renderer (auto), or the full or fast build.
enum class Look { Auto, Full, Fast };

// What a numeric setting may take, and how far one press left or right in the options
// moves it.
struct SettingRange {
    float minimum;
    float maximum;
    float step;

    bool contains(double value) const { return value >= minimum && value <= maximum; }
    // The next multiple of the step from `value` toward `direction` (-1 or +1), within
    // the range.
    float stepped(float value, int direction) const;
};

// The player's options. Each range is here and nowhere else.
struct Settings {
    static constexpr SettingRange mouseSensitivityRange{0.05f, 2.0f, 0.05f};
    static constexpr SettingRange fieldOfViewRange{35.0f, 70.0f, 5.0f};
    static constexpr SettingRange volumeRange{0.0f, 1.0f, 0.1f};
    static constexpr SettingRange renderScaleRange{RenderScaleController::minimum,
                                                   RenderScaleController::maximum, 0.05f};

    // Degrees of turn per pixel the mouse moves.
    float mouseSensitivity = 0.5f;
    bool invertY = false;
    // Vertical, in degrees.
    float fieldOfView = 45.0f;
    float musicVolume = 1.0f;
    float effectsVolume = 1.0f;
    bool fullScreen = false;
    // Empty: the scale follows the frame time (auto).
    std::optional<float> renderScale;
    Look look = Look::Auto;
    // The frame statistics in the window's title.
    bool frameStatistics = false;

    // The render scale's left/right step: auto is one step below the smallest fixed
    // scale, so left from 0.5 gives auto and right from auto gives 0.5.
    static std::optional<float> steppedRenderScale(std::optional<float> scale, int direction);
};

// "auto", "full" or "fast", as the settings file and the options write it.
const char* lookName(Look look);
// The look a name written by lookName stands for; empty for any other text.
std::optional<Look> lookNamed(std::string_view name);

} // namespace Vexmor::app
