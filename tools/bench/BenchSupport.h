#pragma once

#include "platform/Window.h"
#include "screen/LevelChanger.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace Vexmor::platform {
class ScriptedInput;
}

namespace Vexmor::bench {

// The walk the frame benchmarks play each level with, 600 frames of a fixed 1/60 s: a look
// round the start on the spot, then forward while slowly turning left, so the player
// slides along walls instead of standing against one, with the era key tapped once at
// `switchFrame` (the switch then runs five seconds, `switchFrames` frames).
constexpr int walkFrames = 600;
constexpr double walkFrameSeconds = 1.0 / 60.0;
constexpr int switchFrame = 180;
constexpr int switchFrames = 300;
void walk(int frame, platform::ScriptedInput& input);

// A level played on its own: finishing it leads nowhere.
class NoNextLevel : public screen::LevelChanger {
public:
    void nextLevel() override {}
};

// The game's window (1024 x 768 unless told) with its OpenGL 3.3 core context, made current
// and with GLEW set up as the game does it; the render settings follow its framebuffer.
class BenchWindow {
public:
    BenchWindow() = default;
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;
    // False, with the reason on standard error, when there is no display or no context.
    // Hidden unless `visible`; `samples` 0 or 4 names the window format, -1 leaves it to the
    // game's own choice.
    bool open(bool visible = false, int samples = -1,
              glm::ivec2 size = {platform::startWidth, platform::startHeight});
    // Releases the libraries' GL objects, sounds and shapes while the context still exists,
    // then the window.
    ~BenchWindow();
    platform::Window& get() { return window; }

private:
    platform::Window window;
};

// Runs in `directory` while it lives, as the game runs in its data directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& directory);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};

double millisecondsSince(std::chrono::steady_clock::time_point start);

// The nearest-rank percentile (0 < fraction <= 1) of the samples; 0 for none.
double percentile(std::vector<double> samples, double fraction);

// The shipped data directory this build was configured with.
std::filesystem::path shippedData();

} // namespace Vexmor::bench
