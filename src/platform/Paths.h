#pragma once

#include <string>

namespace Vexmor::platform {

// The game names its files Windows-style ("img\Wall.png"); this is the one place that
// turns such a name into a path the host can open.
std::string hostPath(const std::string& name);

} // namespace Vexmor::platform
