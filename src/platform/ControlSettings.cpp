#include "platform/ControlSettings.h"

namespace Vexmor::platform {

ControlSettings& controlSettings() {
    static ControlSettings settings;
    return settings;
}

} // namespace Vexmor::platform
