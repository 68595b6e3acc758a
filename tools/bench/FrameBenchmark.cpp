// Plays every level of the campaign for 600 frames with a scripted walk (forward, turning,
// one era switch), each frame handed a fixed 1/60 s, and reports the median and the 99th
// percentile of the CPU time of the level's update and of its render (finished with
// glFinish, so the rasteriser's work is counted), with view-frustum culling on and off.

#include "BenchSupport.h"
#include "common/CoutCapture.h"

#include "app/RenderSettings.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelChanger.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"

#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>

using namespace Vexmor;

namespace {

constexpr int frameCount = 600;
constexpr double frameSeconds = 1.0 / 60.0;
// The era key goes down here; the switch then runs five seconds.
constexpr int switchFrame = 180;
constexpr int switchFrames = 300;

class NoNextLevel : public screen::LevelChanger {
public:
    void nextLevel() override {}
};

// The walk: a look round the start on the spot, then forward while slowly turning left,
// so the player slides along walls instead of standing against one, with the era key
// tapped once (the switch takes five seconds, 300 frames).
void script(int frame, platform::ScriptedInput& input) {
    if (frame < 120) {
        input.moveCursor({-6, 0});
        return;
    }
    if (frame == 120) {
        input.press('W');
    }
    if (frame == switchFrame) {
        input.press('T');
    } else if (frame == switchFrame + 10) {
        input.release('T');
    }
    if (frame % 2 == 0) {
        input.moveCursor({-1, 0});
    }
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void playLevel(benchmark::State& state, platform::Window* window, const std::string& levelFile,
               bool culling) {
    app::renderSettings() = app::RenderSettings{};
    app::renderSettings().viewFrustumCulling = culling;
    std::vector<double> updates;
    std::vector<double> renders;
    // Render times apart from and during the era switch, whose fog costs the most.
    std::vector<double> quietRenders;
    std::vector<double> switchRenders;
    std::vector<double> frames;
    bool glError = false;

    for (auto _ : state) {
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        NoNextLevel changer;
        screen::LevelManager level(levelFile, &changer);
        CoutCapture quiet;
        level.init();
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_MULTISAMPLE);
        glFinish();

        updates.clear();
        renders.clear();
        quietRenders.clear();
        switchRenders.clear();
        frames.clear();
        for (int frame = 0; frame < frameCount; ++frame) {
            const auto frameStart = std::chrono::steady_clock::now();
            window->swapBuffers();
            script(frame, input);
            const auto updateStart = std::chrono::steady_clock::now();
            level.update(frameSeconds);
            updates.push_back(millisecondsSince(updateStart));

            const auto renderStart = std::chrono::steady_clock::now();
            glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            level.render();
            glFinish();
            renders.push_back(millisecondsSince(renderStart));
            const bool switching = frame >= switchFrame && frame < switchFrame + switchFrames;
            (switching ? switchRenders : quietRenders).push_back(renders.back());
            frames.push_back(millisecondsSince(frameStart));
            glError = glError || glGetError() != GL_NO_ERROR;
        }
        level.close();
        platform::setActiveInput(nullptr);
    }
    if (glError) {
        state.SkipWithError("OpenGL reported an error");
        return;
    }
    state.counters["update_p50_ms"] = bench::percentile(updates, 0.5);
    state.counters["update_p99_ms"] = bench::percentile(updates, 0.99);
    state.counters["render_p50_ms"] = bench::percentile(renders, 0.5);
    state.counters["render_p99_ms"] = bench::percentile(renders, 0.99);
    state.counters["quiet_render_p50_ms"] = bench::percentile(quietRenders, 0.5);
    state.counters["switch_render_p50_ms"] = bench::percentile(switchRenders, 0.5);
    state.counters["frame_p50_ms"] = bench::percentile(frames, 0.5);
    state.counters["frame_p99_ms"] = bench::percentile(frames, 0.99);
}

void printMachine() {
    const auto text = [](GLenum name) {
        const GLubyte* value = glGetString(name);
        return value != nullptr ? reinterpret_cast<const char*>(value) : "?";
    };
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLES, &samples);
    std::cerr << "Renderer: " << text(GL_RENDERER) << ", OpenGL " << text(GL_VERSION) << ", "
              << samples << " samples per pixel" << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::BenchWindow window;
    if (!window.open()) {
        return EXIT_FAILURE;
    }
    printMachine();
    const bench::WorkingDirectory inside(bench::shippedData());

    std::ifstream list("levels/levels.ini");
    for (const std::string& levelFile : screen::LevelList::parse(list)) {
        const std::string name = levelFile.substr(levelFile.find('\\') + 1);
        for (const bool culling : {true, false}) {
            const std::string label =
                "frames/" + name.substr(0, name.rfind('.')) + (culling ? "/culled" : "/unculled");
            benchmark::RegisterBenchmark(label.c_str(), playLevel, &window.get(), levelFile,
                                         culling)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
