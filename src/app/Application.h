#pragma once

#include "app/RenderChoice.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "platform/Window.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vexmor::app {

// The console program: opens the window, runs the frame loop on the game screen and
// closes the graphics at the end.
class Application {
public:
    // 0 after a normal run, 1 when the graphics could not start, 64 when the arguments
    // are not understood.
    int run(const std::vector<std::string>& arguments = {});

private:
    bool initGraphics();
    void printDriverBlock();
    // The level's look and render scale, from the renderer and the environment.
    void chooseLook();
    // What follows the frame loop's own shutdown: GLFW ends, then the console waits.
    void shutDown();

    platform::Window window;
    std::optional<RenderChoice> renderChoice;
    // Read before the window opens; its warnings wait for the console's start-up block.
    std::unique_ptr<SettingsFile> settingsFile;
    Settings settings;
    std::vector<std::string> settingsWarnings;
};

} // namespace Vexmor::app
