#pragma once

#include "platform/Input.h"

#include <set>

namespace Vexmor::platform {

// Input driven by code: keys are held until released, the cursor moves where it is told.
class ScriptedInput : public Input {
public:
    bool isKeyDown(int key) const override;
    glm::ivec2 getCursorPosition() override;
    void setCursorPosition(glm::ivec2 position) override;
    void disableCursor() override;
    void enableCursor() override;
    bool isMouseButtonDown(int button) const override;

    void press(int key);
    void release(int key);
    void releaseAll();
    void moveCursor(glm::ivec2 offset);
    void pressMouseButton(int button);
    void releaseMouseButton(int button);

    bool isCursorDisabled() const { return cursorDisabled; }

private:
    std::set<int> keysDown;
    std::set<int> buttonsDown;
    glm::ivec2 cursor{0, 0};
    bool cursorDisabled = false;
};

} // namespace Vexmor::platform
