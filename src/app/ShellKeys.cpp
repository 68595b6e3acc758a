#include "app/ShellKeys.h"

namespace Vexmor::app {

void ShellKeys::sample(const platform::Input& input) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        previous[i] = input.isKeyDown(keys[i]);
    }
}

int ShellKeys::firstReleased(const platform::Input& input) const {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (previous[i] && !input.isKeyDown(keys[i])) {
            return keys[i];
        }
    }
    return 0;
}

} // namespace Vexmor::app
