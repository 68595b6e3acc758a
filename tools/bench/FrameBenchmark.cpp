// Plays every level of the campaign for 600 frames with a scripted walk (forward, turning,
// one era switch), each frame handed a fixed 1/60 s, and reports the median and the 99th
// percentile of the time from one swap to the next and of the level's render (finished
// with glFinish, so the rasteriser's work is counted), with culling on, in the looks a
// player gets:
//
//   auto  no multisampling, the fast look, the render scale following the frame time
//         against the software budget (33 ms), as the game runs on a software rasteriser;
//   full  no multisampling, the full look at scale 1 (the software format before the scale);
//   4x    4 samples per pixel, the full look at scale 1 (graphics hardware's format).
//
// Each look is measured beside two floors: the empty frame (clear and swap) and the level's
// own geometry, the same views drawn at the same size by a build of the level shader that
// writes a constant colour.
//
// vexmor-bench-frames [--look auto|full|4x ...] [--size WIDTHxHEIGHT] [benchmark options]

#include "BenchSupport.h"
#include "common/CoutCapture.h"

#include "app/RenderScaleController.h"
#include "app/RenderSettings.h"
#include "engine/ShaderLibrary.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"

#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Vexmor;

namespace {

struct Look {
    std::string name;
    int samples = 0;
    bool fast = false;
    bool automaticScale = false;
};

const std::vector<Look>& looks() {
    static const std::vector<Look> all = {
        {"auto", 0, true, true}, {"full", 0, false, false}, {"4x", 4, false, false}};
    return all;
}

constexpr double softwareBudget = 1.0 / 30.0;
// Every this many frames outside the switch the view is drawn once more with the constant
// colour, for the geometry floor.
constexpr int floorSpacing = 10;

// The floor under every frame of a format: clearing the window and swapping, nothing drawn.
struct EmptyFloor {
    double renderP50 = 0.0;
    double frameP50 = 0.0;
};

EmptyFloor emptyFrames(platform::Window& window) {
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

// The level shader's vertex stage with a fragment stage that writes one colour: what the
// level's geometry costs with nothing shaded.
class ConstantColour {
public:
    ConstantColour() {
        file = std::filesystem::temp_directory_path() /
               ("vexmor-constant-" + std::to_string(getpid()) + ".frag");
        std::ofstream(file) << "#version 330 core\nout vec4 fragColor;\n"
                               "void main() { fragColor = vec4(0.5, 0.5, 0.5, 1.0); }\n";
    }
    ~ConstantColour() {
        program.reset();
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
    ConstantColour(const ConstantColour&) = delete;
    ConstantColour& operator=(const ConstantColour&) = delete;

    // Draws the level's view with the constant colour in place of its fog-free program.
    double timeRender(screen::LevelManager& level) {
        engine::ShaderLibrary& library = engine::ShaderLibrary::getInstance();
        if (!program) {
            const std::vector<engine::UniformSpec>& uniforms =
                *library.materialShadowTextureFoglessProgram->uniformSpecs;
            program = engine::ShaderLibrary::loadProgram(
                "shader\\MaterialShadowTextureShader.vert", file.string(), GL_VERTEX_SHADER,
                GL_FRAGMENT_SHADER, uniforms.data(), static_cast<int>(uniforms.size()));
        }
        std::swap(library.materialShadowTextureFoglessProgram, program);
        const auto start = std::chrono::steady_clock::now();
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        level.render();
        glFinish();
        const double milliseconds = bench::millisecondsSince(start);
        std::swap(library.materialShadowTextureFoglessProgram, program);
        return milliseconds;
    }

private:
    std::filesystem::path file;
    std::unique_ptr<engine::ShaderProgram> program;
};

struct Run {
    platform::Window* window = nullptr;
    const Look* look = nullptr;
    EmptyFloor empty;
    ConstantColour* constant = nullptr;
    // One for the whole campaign, as the game keeps one from level to level.
    app::RenderScaleController* scale = nullptr;
};

void playLevel(benchmark::State& state, const Run& run, const std::string& levelFile) {
    app::RenderSettings& settings = app::renderSettings();
    const glm::ivec2 size = run.window->framebufferSize();
    settings = app::RenderSettings{};
    settings.framebufferWidth = size.x;
    settings.framebufferHeight = size.y;
    settings.fastLook = run.look->fast;
    std::vector<double> renders;
    std::vector<double> frames;
    // Frames apart from and during the era switch, whose fog costs the most.
    std::vector<double> quietFrames;
    std::vector<double> switchFrames;
    std::vector<double> floors;
    std::vector<double> scales;
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

        renders.clear();
        frames.clear();
        quietFrames.clear();
        switchFrames.clear();
        floors.clear();
        scales.clear();
        bool held = true;
        for (int frame = 0; frame < bench::walkFrames; ++frame) {
            const auto frameStart = std::chrono::steady_clock::now();
            run.window->swapBuffers();
            // As the frame loop does: the last frame's time sets this frame's scale.
            if (run.scale != nullptr) {
                if (!frames.empty()) {
                    run.scale->addFrame(frames.back() / 1000.0, held);
                }
                settings.renderScale = run.scale->getScale();
            }
            bench::walk(frame, input);
            level.update(bench::walkFrameSeconds);

            const auto renderStart = std::chrono::steady_clock::now();
            glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            level.render();
            glFinish();
            renders.push_back(bench::millisecondsSince(renderStart));
            frames.push_back(bench::millisecondsSince(frameStart));
            scales.push_back(settings.renderScale);
            held = frame == 0 || level.holdsRenderScale();
            (level.holdsRenderScale() ? switchFrames : quietFrames).push_back(frames.back());
            glError = glError || glGetError() != GL_NO_ERROR;
            // Outside the frame's own time, so the controller does not see it.
            if (frame % floorSpacing == 0 && !level.holdsRenderScale()) {
                floors.push_back(run.constant->timeRender(level));
            }
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
    const double frameP99 = bench::percentile(frames, 0.99);
    state.counters["init_ms"] = initMilliseconds;
    state.counters["render_p50_ms"] = renderP50;
    state.counters["render_p99_ms"] = bench::percentile(renders, 0.99);
    state.counters["frame_p50_ms"] = frameP50;
    state.counters["frame_p99_ms"] = frameP99;
    state.counters["frame_p99_x_p50"] = frameP99 / frameP50;
    state.counters["frame_max_ms"] = *std::max_element(frames.begin(), frames.end());
    state.counters["quiet_frame_p50_ms"] = bench::percentile(quietFrames, 0.5);
    state.counters["quiet_frame_p99_ms"] = bench::percentile(quietFrames, 0.99);
    state.counters["switch_frame_p50_ms"] = bench::percentile(switchFrames, 0.5);
    state.counters["switch_frame_p99_ms"] = bench::percentile(switchFrames, 0.99);
    state.counters["render_p50_x_empty"] = renderP50 / run.empty.renderP50;
    state.counters["render_p50_x_geometry"] = renderP50 / bench::percentile(floors, 0.5);
    state.counters["scale_mean"] =
        std::accumulate(scales.begin(), scales.end(), 0.0) / double(scales.size());
    state.counters["scale_min"] = *std::min_element(scales.begin(), scales.end());
    state.counters["first_render_x_p50"] = renders.front() / renderP50;
}

void printMachine(const Look& look) {
    const auto text = [](GLenum name) {
        const GLubyte* value = glGetString(name);
        return value != nullptr ? reinterpret_cast<const char*>(value) : "?";
    };
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLES, &samples);
    std::cerr << "Renderer: " << text(GL_RENDERER) << ", OpenGL " << text(GL_VERSION) << ", "
              << samples << " samples per pixel, look " << look.name << std::endl;
}

struct Arguments {
    std::vector<const Look*> looks;
    glm::ivec2 size{platform::startWidth, platform::startHeight};
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << problem
              << "\nusage: vexmor-bench-frames [--look auto|full|4x ...] "
                 "[--size WIDTHxHEIGHT] [benchmark options]"
              << std::endl;
    std::exit(EXIT_FAILURE);
}

// Takes the tool's own options out of the arguments, leaving the benchmark library's.
Arguments takeArguments(int& argc, char** argv) {
    Arguments arguments;
    int kept = 1;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--look" || argument == "--size") {
            if (index + 1 >= argc) {
                usage(argument + " needs a value");
            }
            const std::string value = argv[++index];
            if (argument == "--look") {
                const auto found =
                    std::find_if(looks().begin(), looks().end(),
                                 [&value](const Look& look) { return look.name == value; });
                if (found == looks().end()) {
                    usage("--look takes auto, full or 4x, not '" + value + "'");
                }
                arguments.looks.push_back(&*found);
            } else if (std::sscanf(value.c_str(), "%dx%d", &arguments.size.x, &arguments.size.y) !=
                           2 ||
                       arguments.size.x < 64 || arguments.size.y < 64) {
                usage("--size takes WIDTHxHEIGHT, not '" + value + "'");
            }
            continue;
        }
        argv[kept++] = argv[index];
    }
    argc = kept;
    if (arguments.looks.empty()) {
        arguments.looks = {&looks()[0], &looks()[1]};
    }
    return arguments;
}

// Every level in one look: the window is made anew, as the game makes it.
bool runLook(const Look& look, glm::ivec2 size) {
    bench::BenchWindow window;
    // Visible, so that the swap copies the frame to the screen as it does for a player.
    if (!window.open(true, look.samples, size)) {
        return false;
    }
    printMachine(look);
    const bench::WorkingDirectory inside(bench::shippedData());
    Run run;
    run.window = &window.get();
    run.look = &look;
    run.empty = emptyFrames(window.get());
    ConstantColour constant;
    run.constant = &constant;
    std::optional<app::RenderScaleController> scale;
    if (look.automaticScale) {
        scale.emplace(softwareBudget, 0.75f);
        run.scale = &*scale;
    }
    const glm::ivec2 framebuffer = window.get().framebufferSize();
    std::cerr << "Empty frame at " << framebuffer.x << " x " << framebuffer.y << ": clear "
              << run.empty.renderP50 << " ms, with the swap " << run.empty.frameP50 << " ms (p50)"
              << std::endl;

    std::ifstream list("levels/levels.ini");
    for (const std::string& levelFile : screen::LevelList::parse(list)) {
        const std::string name = levelFile.substr(levelFile.find('\\') + 1);
        const std::string label = "frames/" + look.name + "/" + name.substr(0, name.rfind('.'));
        benchmark::RegisterBenchmark(label.c_str(), playLevel, run, levelFile)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = takeArguments(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Each look runs in a process of its own: the benchmark library runs its list once per
    // process, and each look needs a window, programs and models of its own.
    for (const Look* look : arguments.looks) {
        std::cout.flush();
        const pid_t child = fork();
        if (child == 0) {
            const bool ran = runLook(*look, arguments.size);
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
