#include "platform/Clock.h"

#include <chrono>

namespace Vexmor::platform {

double clockSeconds() {
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace Vexmor::platform
