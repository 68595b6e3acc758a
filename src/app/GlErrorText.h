#pragma once

#include <string>

namespace Vexmor::app {

// A readable name for an OpenGL error code.
std::string glErrorText(unsigned int code);

} // namespace Vexmor::app
