#pragma once

#include "platform/Input.h"

namespace Vexmor::platform {

// The keyboard and mouse the game reads: the window's while it runs, a scripted one in
// tests. Without any, no key is down.
Input& activeInput();
// Not owned; null restores the empty input.
void setActiveInput(Input* input);

} // namespace Vexmor::platform
