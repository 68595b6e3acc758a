#include "platform/Controls.h"

#include "platform/Input.h"
#include "platform/Keys.h"

#include <glm/geometric.hpp>

#include <algorithm>

namespace Vexmor::platform {

namespace {

// The first frame of a level lasts as long as the level took to load; a stick held through
// it turns no more than a tenth of a second would.
constexpr double longestLookSeconds = 0.1;

glm::vec2 beyondDeadZone(glm::vec2 stick) {
    const float length = glm::length(stick);
    if (length <= stickDeadZone) {
        return {0.0f, 0.0f};
    }
    const float live = std::min(1.0f, (length - stickDeadZone) / (1.0f - stickDeadZone));
    return stick * (live / length);
}

} // namespace

PlayActions playActions(const Input& input) {
    const GamepadState pad = input.gamepad();
    PlayActions actions;
    const float strafe = input.isKeyDown('A') ? -1.0f : input.isKeyDown('D') ? 1.0f : 0.0f;
    const float forward = input.isKeyDown('S') ? -1.0f : input.isKeyDown('W') ? 1.0f : 0.0f;
    if (strafe != 0.0f || forward != 0.0f) {
        actions.move = {strafe, forward};
    } else {
        actions.move = beyondDeadZone({pad.axis(pad::LeftX), -pad.axis(pad::LeftY)});
    }
    actions.jump = input.isKeyDown(key::Space) || pad.isDown(pad::A);
    actions.use = input.isKeyDown('E') || pad.isDown(pad::X);
    actions.switchEra = input.isKeyDown('T') || pad.isDown(pad::Y);
    // A trigger rests at -1: past 0 it is pulled more than half way.
    actions.run = input.isKeyDown(key::LeftShift) || pad.axis(pad::LeftTrigger) > 0.0f ||
                  pad.isDown(pad::LeftThumb);
    actions.lamp = input.isKeyDown('L');
    actions.pause = input.isKeyDown(key::Escape) || pad.isDown(pad::Start);
    return actions;
}

glm::vec2 lookDegrees(Input& input, double seconds, const ControlSettings& settings) {
    const glm::dvec2 mouse = cursorHome - input.getCursorPosition();
    input.setCursorPosition(cursorHome);
    glm::vec2 turn(mouse * static_cast<double>(settings.degreesPerPixel));

    const GamepadState pad = input.gamepad();
    const glm::vec2 stick = beyondDeadZone({pad.axis(pad::RightX), pad.axis(pad::RightY)});
    // Right turns the view right and up looks up, as the mouse does.
    turn -= stick * (settings.padDegreesPerSecond() *
                     static_cast<float>(std::min(seconds, longestLookSeconds)));
    if (settings.invertY) {
        turn.y = -turn.y;
    }
    return turn;
}

} // namespace Vexmor::platform
