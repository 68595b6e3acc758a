#pragma once

#include "platform/Gamepad.h"

#include <glm/vec2.hpp>

namespace Vexmor::platform {

// Keyboard, mouse and gamepad as the game polls them once a frame. The window implements
// it for play; tests and benchmarks script it.
class Input {
public:
    virtual ~Input() = default;

    virtual bool isKeyDown(int key) const = 0;
    // In window pixels, with the fractions the mouse reports.
    virtual glm::dvec2 getCursorPosition() = 0;
    virtual void setCursorPosition(glm::dvec2 position) = 0;
    // Hides the cursor and lets it move without bounds (mouse look).
    virtual void disableCursor() = 0;
    // Shows the cursor again and lets it move over the window, as menus need; positions
    // are window pixels from the top-left corner.
    virtual void enableCursor() = 0;
    // 0 is the left button.
    virtual bool isMouseButtonDown(int button) const = 0;
    virtual GamepadState gamepad() const = 0;
};

} // namespace Vexmor::platform
