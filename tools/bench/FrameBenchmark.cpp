// Plays every level of the campaign for 600 frames with a scripted walk (forward, turning,
// one era switch), each frame handed a fixed 1/60 s, and reports the median and the 99th
// percentile of the CPU time of the level's update and of its render (finished with
// glFinish, so the rasteriser's work is counted), with view-frustum culling on and off, in
// the window without multisampling and in the one with 4 samples, each beside the floor of
// an empty frame (clear and swap) of that format.

#include "BenchSupport.h"
#include "common/CoutCapture.h"

#include "app/RenderSettings.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"

#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Vexmor;

namespace {

// The floor under every frame of a format: clearing the window and swapping, nothing drawn.
struct Floor {
    double renderP50 = 0.0;
    double frameP50 = 0.0;
};

Floor emptyFrames(platform::Window& window) {
    std::vector<double> renders;
    std::vector<double> frames;
    for (int frame = 0; frame < bench::walkFrames; ++frame) {
        const auto frameStart = std::chrono::steady_clock::now();
        window.swapBuffers();
        const auto renderStart = std::chrono::steady_clock::now();
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glFinish();
        renders.push_back(bench::millisecondsSince(renderStart));
        frames.push_back(bench::millisecondsSince(frameStart));
    }
    return {bench::percentile(renders, 0.5), bench::percentile(frames, 0.5)};
}

void playLevel(benchmark::State& state, platform::Window* window, const std::string& levelFile,
               bool culling, Floor floor) {
    app::renderSettings() = app::RenderSettings{};
    app::renderSettings().viewFrustumCulling = culling;
    std::vector<double> updates;
    std::vector<double> renders;
    // Render times apart from and during the era switch, whose fog costs the most.
    std::vector<double> quietRenders;
    std::vector<double> switchRenders;
    std::vector<double> frames;
    double initMilliseconds = 0.0;
    bool glError = false;

    for (auto _ : state) {
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        bench::NoNextLevel changer;
        screen::LevelManager level(levelFile, &changer);
        CoutCapture quiet;
        // As in the game: the frame state is set before a level starts.
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_MULTISAMPLE);
        const auto initStart = std::chrono::steady_clock::now();
        level.init();
        glFinish();
        initMilliseconds = bench::millisecondsSince(initStart);

        updates.clear();
        renders.clear();
        quietRenders.clear();
        switchRenders.clear();
        frames.clear();
        for (int frame = 0; frame < bench::walkFrames; ++frame) {
            const auto frameStart = std::chrono::steady_clock::now();
            window->swapBuffers();
            bench::walk(frame, input);
            const auto updateStart = std::chrono::steady_clock::now();
            level.update(bench::walkFrameSeconds);
            updates.push_back(bench::millisecondsSince(updateStart));

            const auto renderStart = std::chrono::steady_clock::now();
            glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            level.render();
            glFinish();
            renders.push_back(bench::millisecondsSince(renderStart));
            const bool switching =
                frame >= bench::switchFrame && frame < bench::switchFrame + bench::switchFrames;
            (switching ? switchRenders : quietRenders).push_back(renders.back());
            frames.push_back(bench::millisecondsSince(frameStart));
            glError = glError || glGetError() != GL_NO_ERROR;
        }
        level.close();
        platform::setActiveInput(nullptr);
    }
    if (glError) {
        state.SkipWithError("OpenGL reported an error");
        return;
    }
    const double renderP50 = bench::percentile(renders, 0.5);
    const double frameP50 = bench::percentile(frames, 0.5);
    state.counters["init_ms"] = initMilliseconds;
    state.counters["update_p50_ms"] = bench::percentile(updates, 0.5);
    state.counters["update_p99_ms"] = bench::percentile(updates, 0.99);
    state.counters["render_p50_ms"] = renderP50;
    state.counters["render_p99_ms"] = bench::percentile(renders, 0.99);
    state.counters["render_p50_x_floor"] = renderP50 / floor.renderP50;
    state.counters["quiet_render_p50_ms"] = bench::percentile(quietRenders, 0.5);
    state.counters["switch_render_p50_ms"] = bench::percentile(switchRenders, 0.5);
    state.counters["frame_p50_ms"] = frameP50;
    state.counters["frame_p99_ms"] = bench::percentile(frames, 0.99);
    state.counters["frame_p50_x_floor"] = frameP50 / floor.frameP50;
    // The first frame counts the swap into a window the level has not drawn yet, so the
    // level's own first frame is the render.
    state.counters["first_render_ms"] = renders.front();
    state.counters["first_render_x_p50"] = renders.front() / renderP50;
    state.counters["first_frame_x_p50"] = frames.front() / frameP50;
    // The walk turns slowly on the spot first, so the next frames show nearly the same view:
    // beside them a stall shows even where the opening view costs more than the median.
    const std::vector<double> next(renders.begin() + 1, renders.begin() + 6);
    state.counters["first_render_x_next5"] = renders.front() / bench::percentile(next, 0.5);
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

// Takes "--samples 0" or "--samples 4" out of the arguments; without it both formats run.
std::vector<int> takeSampleFormats(int& argc, char** argv) {
    std::vector<int> formats;
    int kept = 1;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--samples" && index + 1 < argc) {
            const std::string value = argv[++index];
            if (value != "0" && value != "4") {
                std::cerr << "--samples takes 0 or 4, not '" << value << "'" << std::endl;
                std::exit(EXIT_FAILURE);
            }
            formats.push_back(std::stoi(value));
            continue;
        }
        argv[kept++] = argv[index];
    }
    argc = kept;
    return formats.empty() ? std::vector<int>{0, 4} : formats;
}

// Every level in one window format: the window is made anew, as the game makes it.
bool runFormat(int samples) {
    bench::BenchWindow window;
    // Visible, so that the swap copies the frame to the screen as it does for a player.
    if (!window.open(true, samples)) {
        return false;
    }
    printMachine();
    const bench::WorkingDirectory inside(bench::shippedData());
    const Floor floor = emptyFrames(window.get());
    std::cerr << "Empty frame, " << samples << " samples: clear " << floor.renderP50
              << " ms, with the swap " << floor.frameP50 << " ms (p50)" << std::endl;

    std::ifstream list("levels/levels.ini");
    const std::string format = "frames/" + std::to_string(samples) + "x/";
    for (const std::string& levelFile : screen::LevelList::parse(list)) {
        const std::string name = levelFile.substr(levelFile.find('\\') + 1);
        for (const bool culling : {true, false}) {
            const std::string label =
                format + name.substr(0, name.rfind('.')) + (culling ? "/culled" : "/unculled");
            benchmark::RegisterBenchmark(label.c_str(), playLevel, &window.get(), levelFile,
                                         culling, floor)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<int> formats = takeSampleFormats(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Each format runs in a process of its own: the benchmark library runs its list once
    // per process, and each format needs a window, libraries and models of its own.
    for (const int samples : formats) {
        std::cout.flush();
        const pid_t child = fork();
        if (child == 0) {
            const bool ran = runFormat(samples);
            benchmark::Shutdown();
            std::cout.flush();
            std::_Exit(ran ? EXIT_SUCCESS : EXIT_FAILURE);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != EXIT_SUCCESS) {
            return EXIT_FAILURE;
        }
    }
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
