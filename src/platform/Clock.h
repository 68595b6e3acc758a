#pragma once

namespace Vexmor::platform {

// The game's one monotonic clock, in seconds since an arbitrary start.
double clockSeconds();

} // namespace Vexmor::platform
