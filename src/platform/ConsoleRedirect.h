#pragma once

#include <iostream>

namespace Vexmor::platform {

// Sends the game's console (std::cout) to another stream while it lives, so a tool that
// plays levels can keep its own output apart.
class ConsoleRedirect {
public:
    explicit ConsoleRedirect(std::ostream& to) : previous(std::cout.rdbuf(to.rdbuf())) {}
    ~ConsoleRedirect() { std::cout.rdbuf(previous); }
    ConsoleRedirect(const ConsoleRedirect&) = delete;
    ConsoleRedirect& operator=(const ConsoleRedirect&) = delete;

private:
    std::streambuf* previous;
};

} // namespace Vexmor::platform
