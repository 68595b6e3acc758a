#pragma once

#include "app/FrameStatistics.h"
#include "app/Screenshot.h"
#include "app/ShellKeys.h"
#include "platform/Window.h"
#include "screen/Screen.h"

#include <array>
#include <memory>

namespace Vexmor::app {

// The console program: opens the window, runs the frame loop on the game screen,
// handles the function keys and tears everything down in order at the end.
class Application {
public:
    // 0 after a normal run, 1 when the graphics could not start.
    int run();

private:
    bool initGraphics();
    void printDriverBlock();
    void startUp();
    void runFrame();
    void actOnShellKey(int key);
    void refreshTitle(int fps, int millis);
    void reportGlError();
    void shutDown();

    platform::Window window;
    // Index 0 the test screen (never run), index 1 the game screen, current all run long.
    std::array<std::unique_ptr<screen::Screen>, 2> screens;
    static constexpr std::size_t currentScreen = 1;

    FrameStatistics statistics;
    ShellKeys shellKeys;
    Screenshot screenshot;
    double lastTime = 0.0;
    bool running = true;
    bool firstFrame = true;
};

} // namespace Vexmor::app
