#include "app/ShellKeys.h"

namespace Vexmor::app {

void ShellKeys::sample(const platform::Input& input) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        trackers[i].sample(input.isKeyDown(keys[i]));
    }
}

int ShellKeys::firstReleased(const platform::Input& input) {
    int first = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (trackers[i].released(input.isKeyDown(keys[i])) && first == 0) {
            first = keys[i];
        }
    }
    return first;
}

} // namespace Vexmor::app
