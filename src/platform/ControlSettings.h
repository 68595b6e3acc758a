#pragma once

namespace Vexmor::platform {

// Process-wide look settings, set by the options and read by the player every frame.
struct ControlSettings {
    static constexpr float defaultDegreesPerPixel = 0.5f;
    // The right stick held all the way turns this fast at the default sensitivity: half a
    // turn a second, about as far as a brisk mouse flick.
    static constexpr float padDegreesPerSecondAtDefault = 180.0f;

    float degreesPerPixel = defaultDegreesPerPixel;
    // Pushing the mouse or the stick forward looks down instead of up.
    bool invertY = false;

    // The stick follows the mouse's sensitivity, so one setting makes both faster.
    float padDegreesPerSecond() const {
        return padDegreesPerSecondAtDefault * degreesPerPixel / defaultDegreesPerPixel;
    }
};

ControlSettings& controlSettings();

} // namespace Vexmor::platform
