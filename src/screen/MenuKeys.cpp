#include "screen/MenuKeys.h"

namespace Vexmor::screen {

void MenuKeys::sample(platform::Input& input) {
    keysAndPad.sample(input);
    button.sample(input.isMouseButtonDown(0));
    lastPointer = input.getCursorPosition();
}

hud::MenuCommands MenuKeys::read(platform::Input& input, double seconds) {
    hud::MenuCommands commands;
    static_cast<platform::MenuCommands&>(commands) = keysAndPad.read(input, seconds);
    commands.pointer = input.getCursorPosition();
    commands.pointerMoved = commands.pointer != lastPointer;
    lastPointer = commands.pointer;
    commands.click = button.pressed(input.isMouseButtonDown(0));
    return commands;
}

} // namespace Vexmor::screen
