#pragma once

#include "app/RenderSettings.h"

#include <string>

namespace Vexmor::app {

// The window title: the game's name, the frame statistics when shown, and a note for
// every render setting that is off its default.
std::string windowTitle(const RenderSettings& settings, int fps, int millis);

} // namespace Vexmor::app
