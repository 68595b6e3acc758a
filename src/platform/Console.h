#pragma once

#include "platform/ExitStatus.h"

#include <unistd.h>

namespace Vexmor::platform {

// "Press any key to continue . . . ": waits for one key only when input is a terminal,
// so runs from tests, CI or a desktop launcher never hang.
void pause(int inputFd = STDIN_FILENO);

// "Press [ENTER] to continue...", then one character of standard input (end of input
// returns at once).
void waitForEnter();

// Flushes the console and ends the process at once with the status of the fatal cause.
// Nothing else runs: no destructors of libraries that may hold GL or Bullet objects.
[[noreturn]] void exitWith(ExitStatus status);

} // namespace Vexmor::platform
