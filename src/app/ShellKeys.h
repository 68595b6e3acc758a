#pragma once

#include "platform/Input.h"
#include "platform/Keys.h"
#include "platform/PressTracker.h"

#include <array>

namespace Vexmor::app {

// The shell's function keys act on release, and only the first released key (in the
// order F1, F2, F3, F4, F5, F8, F11, F12) acts in a frame.
class ShellKeys {
public:
    static constexpr std::array<int, 8> keys = {
        platform::key::F1, platform::key::F2, platform::key::F3,  platform::key::F4,
        platform::key::F5, platform::key::F8, platform::key::F11, platform::key::F12};

    // Remembers which keys are down now.
    void sample(const platform::Input& input);
    // The first key that was down at the last look and is up now, or 0. The other keys
    // released with it are seen too and do not act later.
    int firstReleased(const platform::Input& input);

private:
    std::array<platform::PressTracker, keys.size()> trackers;
};

} // namespace Vexmor::app
