#pragma once

#include "platform/MenuInput.h"

#include <glm/vec2.hpp>

namespace Vexmor::hud {

// What a player asked of a menu in one frame: the keys' and pad's commands, and the mouse.
struct MenuCommands : platform::MenuCommands {
    // The pointer moved to `pointer` (window pixels from the top-left) this frame.
    bool pointerMoved = false;
    // The left button was pressed this frame, at `pointer`.
    bool click = false;
    glm::dvec2 pointer{0.0, 0.0};
};

} // namespace Vexmor::hud
