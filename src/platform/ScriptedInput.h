#pragma once

#include "platform/Input.h"

#include <set>

namespace Vexmor::platform {

// Input driven by code: keys and pad buttons are held until released, the cursor moves
// where it is told, sticks stay where they are set. The pad starts unplugged.
class ScriptedInput : public Input {
public:
    bool isKeyDown(int key) const override;
    glm::dvec2 getCursorPosition() override;
    void setCursorPosition(glm::dvec2 position) override;
    void disableCursor() override;
    void enableCursor() override;
    bool isMouseButtonDown(int button) const override;
    GamepadState gamepad() const override { return pad; }

    void press(int key);
    void release(int key);
    // Lets go of every key and pad button and lets the sticks and triggers rest.
    void releaseAll();
    void moveCursor(glm::dvec2 offset);
    void pressMouseButton(int button);
    void releaseMouseButton(int button);

    void connectPad(bool connected);
    void pressPad(int button);
    void releasePad(int button);
    void setAxis(int axis, float value);

    bool isCursorDisabled() const { return cursorDisabled; }

private:
    std::set<int> keysDown;
    std::set<int> buttonsDown;
    glm::dvec2 cursor{0.0, 0.0};
    bool cursorDisabled = false;
    GamepadState pad;
};

} // namespace Vexmor::platform
