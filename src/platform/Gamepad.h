#pragma once

#include <array>
#include <cstddef>

namespace Vexmor::platform {

// Button and axis numbers of a gamepad in GLFW's standard layout (an Xbox-style pad: A at
// the bottom of the four face buttons).
namespace pad {

constexpr int A = 0;
constexpr int B = 1;
constexpr int X = 2;
constexpr int Y = 3;
constexpr int LeftBumper = 4;
constexpr int RightBumper = 5;
constexpr int Back = 6;
constexpr int Start = 7;
constexpr int Guide = 8;
constexpr int LeftThumb = 9;
constexpr int RightThumb = 10;
constexpr int DpadUp = 11;
constexpr int DpadRight = 12;
constexpr int DpadDown = 13;
constexpr int DpadLeft = 14;
constexpr int buttonCount = 15;

// Sticks run from -1 to 1, up and left negative; triggers from -1 at rest to 1 pulled.
constexpr int LeftX = 0;
constexpr int LeftY = 1;
constexpr int RightX = 2;
constexpr int RightY = 3;
constexpr int LeftTrigger = 4;
constexpr int RightTrigger = 5;
constexpr int axisCount = 6;

constexpr std::array<float, axisCount> restingAxes{0.0f, 0.0f, 0.0f, 0.0f, -1.0f, -1.0f};

} // namespace pad

// The first gamepad as a frame sees it. While none is connected it reads as a pad at rest.
struct GamepadState {
    bool connected = false;
    std::array<bool, pad::buttonCount> buttons{};
    std::array<float, pad::axisCount> axes = pad::restingAxes;

    bool isDown(int button) const {
        return connected && buttons.at(static_cast<std::size_t>(button));
    }
    float axis(int index) const {
        const auto at = static_cast<std::size_t>(index);
        return connected ? axes.at(at) : pad::restingAxes.at(at);
    }
};

} // namespace Vexmor::platform
