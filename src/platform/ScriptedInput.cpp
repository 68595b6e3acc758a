#include "platform/ScriptedInput.h"

namespace Vexmor::platform {

bool ScriptedInput::isKeyDown(int key) const {
    return keysDown.count(key) != 0;
}

glm::ivec2 ScriptedInput::getCursorPosition() {
    return cursor;
}

void ScriptedInput::setCursorPosition(glm::ivec2 position) {
    cursor = position;
}

void ScriptedInput::disableCursor() {
    cursorDisabled = true;
}

void ScriptedInput::enableCursor() {
    cursorDisabled = false;
}

bool ScriptedInput::isMouseButtonDown(int button) const {
    return buttonsDown.count(button) != 0;
}

void ScriptedInput::pressMouseButton(int button) {
    buttonsDown.insert(button);
}

void ScriptedInput::releaseMouseButton(int button) {
    buttonsDown.erase(button);
}

void ScriptedInput::press(int key) {
    keysDown.insert(key);
}

void ScriptedInput::release(int key) {
    keysDown.erase(key);
}

void ScriptedInput::releaseAll() {
    keysDown.clear();
}

void ScriptedInput::moveCursor(glm::ivec2 offset) {
    cursor += offset;
}

} // namespace Vexmor::platform
