#pragma once

#include "common/TempDirectory.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Xlib stays out of this header: its macros clash with GoogleTest.
struct _XDisplay;
using XWindowId = unsigned long;

// The real game binary, started in its own working directory under the test's X display,
// with its console captured to a file. The child is always killed when this goes away.
class GameProcess {
public:
    explicit GameProcess(std::filesystem::path workingDirectory,
                         std::filesystem::path program = VEXMOR_BINARY);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Set in the game's environment, over the test's own, when it starts.
    void setEnvironment(const std::string& name, const std::string& value);
    // A player's files (settings, progress) go to a home of the test's own, inside the
    // working directory, unless the environment set here says otherwise.
    void start(const std::vector<std::string>& arguments = {});
    // The game's window, found by its process id; 0 when none showed up in time.
    XWindowId waitForWindow(std::chrono::milliseconds timeout);
    bool waitForOutput(const std::string& text, std::chrono::milliseconds timeout);
    // The exit status, or nothing when the process is still running after the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

    // A key held long enough for a frame to see it down, then released.
    void tapKey(const std::string& keyName);
    void holdKey(const std::string& keyName);
    // A relative move of the pointer, as a mouse makes it.
    void moveMouse(int dx, int dy);
    // The window resized as a user drags its border, once the window system has done it.
    void resizeWindow(int width, int height);
    // What a user's click on the close button sends.
    void requestClose();

    std::string output() const;
    const std::filesystem::path& directory() const { return workingDirectory; }

private:
    XWindowId findWindow(XWindowId root);
    bool xdotool(const std::string& arguments);

    std::filesystem::path workingDirectory;
    std::filesystem::path program;
    std::filesystem::path consoleFile;
    std::vector<std::string> environment;
    pid_t pid = -1;
    _XDisplay* display = nullptr;
    XWindowId window = 0;
};
