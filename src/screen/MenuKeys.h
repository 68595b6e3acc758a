#pragma once

#include "hud/MenuCommands.h"
#include "platform/Input.h"
#include "platform/MenuInput.h"
#include "platform/PressTracker.h"

namespace Vexmor::screen {

// A frame's menu commands from the keys, the pad and the mouse: a key held when a menu
// opens acts only once pressed again.
class MenuKeys {
public:
    // Takes what is down now as already seen.
    void sample(platform::Input& input);
    hud::MenuCommands read(platform::Input& input, double seconds);

private:
    platform::MenuInput keysAndPad;
    platform::PressTracker button;
    glm::dvec2 lastPointer{-1.0, -1.0};
};

} // namespace Vexmor::screen
