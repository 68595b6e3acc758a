#include "platform/ScriptedInput.h"

namespace Vexmor::platform {

bool ScriptedInput::isKeyDown(int key) const {
    return keysDown.count(key) != 0;
}

glm::dvec2 ScriptedInput::getCursorPosition() {
    return cursor;
}

void ScriptedInput::setCursorPosition(glm::dvec2 position) {
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
    pad.buttons.fill(false);
    pad.axes = pad::restingAxes;
}

void ScriptedInput::moveCursor(glm::dvec2 offset) {
    cursor += offset;
}

void ScriptedInput::connectPad(bool connected) {
    pad.connected = connected;
}

void ScriptedInput::pressPad(int button) {
    pad.buttons.at(static_cast<std::size_t>(button)) = true;
}

void ScriptedInput::releasePad(int button) {
    pad.buttons.at(static_cast<std::size_t>(button)) = false;
}

void ScriptedInput::setAxis(int axis, float value) {
    pad.axes.at(static_cast<std::size_t>(axis)) = value;
}

} // namespace Vexmor::platform
