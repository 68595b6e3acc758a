#include "screen/MenuKeys.h"

namespace Vexmor::screen {

void MenuKeys::sample(platform::Input& input) {
    keysAndPad.sample(input);
    button.sample(input.isMouseButtonDown(0));
    lastPointer = input.getCursorPosition();
}

hud::MenuCommands MenuKeys::read(platform::Input& input, double seconds) {
    const platform::MenuCommands fired = keysAndPad.read(input, seconds);
    hud::MenuCommands commands;
    commands.up = fired.up;
    commands.down = fired.down;
    commands.left = fired.left;
    commands.right = fired.right;
    commands.accept = fired.accept;
    commands.back = fired.back;
    commands.pointer = input.getCursorPosition();
    commands.pointerMoved = commands.pointer != lastPointer;
    lastPointer = commands.pointer;
    commands.click = button.pressed(input.isMouseButtonDown(0));
    return commands;
}

} // namespace Vexmor::screen
