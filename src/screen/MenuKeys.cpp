#include "screen/MenuKeys.h"

#include "platform/Keys.h"

namespace Vexmor::screen {

namespace {

namespace key = platform::key;
constexpr std::array<int, 12> keys = {
    key::Up, 'W',        key::Down,        'S',        key::Left,  'A', key::Right,
    'D',     key::Enter, key::KeypadEnter, key::Space, key::Escape};

} // namespace

void MenuKeys::sample(platform::Input& input) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        wasDown[i] = input.isKeyDown(keys[i]);
    }
    buttonWasDown = input.isMouseButtonDown(0);
    lastPointer = input.getCursorPosition();
}

hud::MenuCommands MenuKeys::read(platform::Input& input) {
    std::array<bool, keys.size()> pressed{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool down = input.isKeyDown(keys[i]);
        pressed[i] = down && !wasDown[i];
        wasDown[i] = down;
    }
    hud::MenuCommands commands;
    commands.up = pressed[0] || pressed[1];
    commands.down = pressed[2] || pressed[3];
    commands.left = pressed[4] || pressed[5];
    commands.right = pressed[6] || pressed[7];
    commands.accept = pressed[8] || pressed[9] || pressed[10];
    commands.back = pressed[11];
    const glm::dvec2 pointer = input.getCursorPosition();
    commands.pointer = pointer;
    commands.pointerMoved = pointer != lastPointer;
    lastPointer = pointer;
    const bool button = input.isMouseButtonDown(0);
    commands.click = button && !buttonWasDown;
    buttonWasDown = button;
    return commands;
}

} // namespace Vexmor::screen
