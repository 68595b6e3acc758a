#pragma once

#include "platform/PressTracker.h"

#include <array>

namespace Vexmor::platform {

class Input;

// The menu commands that fired in one frame.
struct MenuCommands {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool accept = false;
    bool back = false;
};

// Reads the keys and the first gamepad for a menu, once a frame. Accept and back fire on a
// fresh press; a held direction fires on its press and then repeats as a held key does.
class MenuInput {
public:
    static constexpr double firstRepeatSeconds = 0.4;
    static constexpr double repeatSeconds = 0.12;
    // How far the left stick must lean to count as a direction held.
    static constexpr float stickThreshold = 0.5f;

    // What fired in a frame that lasted `seconds`.
    MenuCommands read(const Input& input, double seconds);
    // Takes what is held now as seen, so the press that opened the menu (Escape, Start,
    // Enter) does not also act in it.
    void sample(const Input& input);

private:
    struct Direction {
        PressTracker press;
        double heldSeconds = 0.0;
        double nextRepeat = firstRepeatSeconds;

        bool fires(bool downNow, double seconds);
    };
    // Up, down, left, right.
    struct Held {
        std::array<bool, 4> directions{};
        bool accept = false;
        bool back = false;
    };
    static Held held(const Input& input);

    std::array<Direction, 4> directions;
    PressTracker accept;
    PressTracker back;
};

} // namespace Vexmor::platform
