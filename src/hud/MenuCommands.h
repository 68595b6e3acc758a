#pragma once

#include <glm/vec2.hpp>

namespace Vexmor::hud {

// What a player asked of a menu in one frame, from keys, mouse or pad.
struct MenuCommands {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool accept = false;
    bool back = false;
    // The pointer moved to `pointer` (window pixels from the top-left) this frame.
    bool pointerMoved = false;
    // The left button was pressed this frame, at `pointer`.
    bool click = false;
    glm::dvec2 pointer{0.0, 0.0};
};

} // namespace Vexmor::hud
