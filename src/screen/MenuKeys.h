#pragma once

#include "hud/MenuCommands.h"
#include "platform/Input.h"

#include <array>

namespace Vexmor::screen {

// Reads a frame's menu commands: a key acts when pressed, not while held, and a key held
// when a menu opens acts only once pressed again.
class MenuKeys {
public:
    // Takes what is down now as already seen.
    void sample(platform::Input& input);
    hud::MenuCommands read(platform::Input& input);

private:
    std::array<bool, 12> wasDown{};
    bool buttonWasDown = false;
    glm::dvec2 lastPointer{-1.0, -1.0};
};

} // namespace Vexmor::screen
