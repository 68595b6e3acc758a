#include "platform/MenuInput.h"

#include "platform/Input.h"
#include "platform/Keys.h"

#include <limits>

namespace Vexmor::platform {

bool MenuInput::Direction::fires(bool downNow, double seconds) {
    if (press.pressed(downNow)) {
        heldSeconds = 0.0;
        nextRepeat = firstRepeatSeconds;
        return true;
    }
    if (!downNow) {
        return false;
    }
    heldSeconds += seconds;
    if (heldSeconds < nextRepeat) {
        return false;
    }
    // A long frame fires once and does not queue up the repeats it covered.
    while (nextRepeat <= heldSeconds) {
        nextRepeat += repeatSeconds;
    }
    return true;
}

MenuInput::Held MenuInput::held(const Input& input) {
    const GamepadState pad = input.gamepad();
    const float stickX = pad.axis(pad::LeftX);
    const float stickY = pad.axis(pad::LeftY);
    Held now;
    now.directions = {
        input.isKeyDown(key::Up) || input.isKeyDown('W') || pad.isDown(pad::DpadUp) ||
            stickY < -stickThreshold,
        input.isKeyDown(key::Down) || input.isKeyDown('S') || pad.isDown(pad::DpadDown) ||
            stickY > stickThreshold,
        input.isKeyDown(key::Left) || input.isKeyDown('A') || pad.isDown(pad::DpadLeft) ||
            stickX < -stickThreshold,
        input.isKeyDown(key::Right) || input.isKeyDown('D') || pad.isDown(pad::DpadRight) ||
            stickX > stickThreshold,
    };
    now.accept = input.isKeyDown(key::Enter) || input.isKeyDown(key::KeypadEnter) ||
                 input.isKeyDown(key::Space) || pad.isDown(pad::A);
    now.back = input.isKeyDown(key::Escape) || pad.isDown(pad::B) || pad.isDown(pad::Start);
    return now;
}

MenuCommands MenuInput::read(const Input& input, double seconds) {
    const Held now = held(input);
    MenuCommands fired;
    fired.up = directions[0].fires(now.directions[0], seconds);
    fired.down = directions[1].fires(now.directions[1], seconds);
    fired.left = directions[2].fires(now.directions[2], seconds);
    fired.right = directions[3].fires(now.directions[3], seconds);
    fired.accept = accept.pressed(now.accept);
    fired.back = back.pressed(now.back);
    return fired;
}

void MenuInput::sample(const Input& input) {
    const Held now = held(input);
    for (std::size_t i = 0; i < directions.size(); ++i) {
        directions[i].press.sample(now.directions[i]);
        directions[i].heldSeconds = 0.0;
        // A direction held from before never repeats: it acts once pressed anew.
        directions[i].nextRepeat =
            now.directions[i] ? std::numeric_limits<double>::infinity() : firstRepeatSeconds;
    }
    accept.sample(now.accept);
    back.sample(now.back);
}

} // namespace Vexmor::platform
