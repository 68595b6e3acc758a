#pragma once

#include "platform/Window.h"

namespace Vexmor::app {

// The console program: opens the window, runs the frame loop on the game screen and
// closes the graphics at the end.
class Application {
public:
    // 0 after a normal run, 1 when the graphics could not start.
    int run();

private:
    bool initGraphics();
    void printDriverBlock();
    // What follows the frame loop's own shutdown: GLFW ends, then the console waits.
    void shutDown();

    platform::Window window;
};

} // namespace Vexmor::app
