#include "platform/Console.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <termios.h>

namespace Vexmor::platform {

void pause(int inputFd) {
    std::cout << "Press any key to continue . . . " << std::flush;
    if (isatty(inputFd) == 1) {
        termios saved{};
        const bool haveTerminalMode = tcgetattr(inputFd, &saved) == 0;
        if (haveTerminalMode) {
            termios raw = saved;
            raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
            raw.c_cc[VMIN] = 1;
            raw.c_cc[VTIME] = 0;
            tcsetattr(inputFd, TCSANOW, &raw);
        }
        char key = 0;
        [[maybe_unused]] const ssize_t got = read(inputFd, &key, 1);
        if (haveTerminalMode) {
            tcsetattr(inputFd, TCSANOW, &saved);
        }
    }
    std::cout << std::endl;
}

void waitForEnter() {
    std::cout << "Press [ENTER] to continue..." << std::flush;
    std::cin.get();
}

void exitWith(ExitStatus status) {
    std::cout.flush();
    std::fflush(stdout);
    std::_Exit(static_cast<int>(status));
}

} // namespace Vexmor::platform
