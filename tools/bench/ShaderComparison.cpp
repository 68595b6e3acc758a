// Compares two fragment stages of the level shader on the same views: each level is played
// with the frame benchmark's walk, and at every 50th frame outside the era switch the view
// is drawn 22 times with each stage in turn, A and B interleaved so that the machine's
// drift between runs falls on both alike. It prints each level's summed medians, their
// ratio and how far the two stages' pictures lie apart, which is what telling a cheaper
// shader from a different look needs: the frame benchmark's run-to-run spread (20 %) hides
// a gain of a few percent.
//
// vexmor-bench-shader [--samples 0|4] A.frag B.frag [level file ...]
//
// The stages stand in for the fog-free build the game draws those frames with, so a file
// that is to match it needs "#define WITHOUT_FOG" after its #version line; without it the
// fog's cost shows too. Levels are named as in levels/levels.ini, all of them by default.

#include "BenchSupport.h"
#include "common/CoutCapture.h"

#include "app/RenderSettings.h"
#include "engine/ShaderLibrary.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"

#include <GL/glew.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace Vexmor;

namespace {

constexpr int poseSpacing = 50;
constexpr int rounds = 24;
// The first rounds build what the stage's first draws need; they are not counted.
constexpr int warmRounds = 2;
constexpr int width = 1024;
constexpr int height = 768;

struct Arguments {
    int samples = 0;
    std::array<std::string, 2> stages;
    std::vector<std::string> levels;
};

void usage() {
    std::cerr << "usage: vexmor-bench-shader [--samples 0|4] A.frag B.frag [level file ...]"
              << std::endl;
    std::exit(EXIT_FAILURE);
}

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    std::vector<std::string> rest;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--samples") {
            const std::string value = index + 1 < argc ? argv[++index] : "";
            if (value != "0" && value != "4") {
                usage();
            }
            arguments.samples = std::stoi(value);
        } else {
            rest.push_back(argument);
        }
    }
    if (rest.size() < 2) {
        usage();
    }
    // The stages are named from where the tool starts; it then runs in the data directory.
    for (std::size_t stage = 0; stage < 2; ++stage) {
        arguments.stages[stage] = std::filesystem::absolute(rest[stage]).string();
        if (!std::filesystem::is_regular_file(arguments.stages[stage])) {
            std::cerr << "no such file: " << rest[stage] << std::endl;
            std::exit(EXIT_FAILURE);
        }
    }
    for (std::size_t level = 2; level < rest.size(); ++level) {
        arguments.levels.push_back("levels\\" + rest[level]);
    }
    return arguments;
}

// How far two frames lie apart: the largest step of a colour channel (in 1/255) and the
// share of pixels where any channel differs.
struct Difference {
    int largest = 0;
    double share = 0.0;
};

Difference compare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    Difference difference;
    std::size_t differing = 0;
    for (std::size_t pixel = 0; pixel < a.size(); pixel += 4) {
        int largest = 0;
        for (std::size_t channel = pixel; channel < pixel + 3; ++channel) {
            largest = std::max(largest, std::abs(int(a[channel]) - int(b[channel])));
        }
        difference.largest = std::max(difference.largest, largest);
        differing += largest > 0 ? 1 : 0;
    }
    difference.share = static_cast<double>(differing) / static_cast<double>(a.size() / 4);
    return difference;
}

class Comparison {
public:
    explicit Comparison(const std::array<std::string, 2>& stageFiles) {
        engine::ShaderLibrary& library = engine::ShaderLibrary::getInstance();
        const std::vector<engine::UniformSpec>& uniforms =
            *library.materialShadowTextureFoglessProgram->uniformSpecs;
        for (std::size_t stage = 0; stage < 2; ++stage) {
            programs[stage] = engine::ShaderLibrary::loadProgram(
                "shader\\MaterialShadowTextureShader.vert", stageFiles[stage], GL_VERTEX_SHADER,
                GL_FRAGMENT_SHADER, uniforms.data(), static_cast<int>(uniforms.size()));
            pixels[stage].resize(std::size_t(width) * height * 4);
        }
    }

    // Plays the level and adds its figures to the total.
    void level(platform::Window& window, const std::string& levelFile) {
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        bench::NoNextLevel changer;
        std::array<double, 2> sums{};
        Difference worst;
        {
            screen::LevelManager level(levelFile, &changer);
            CoutCapture quiet;
            glEnable(GL_DEPTH_TEST);
            glEnable(GL_CULL_FACE);
            glEnable(GL_MULTISAMPLE);
            level.init();
            for (int frame = 0; frame < bench::walkFrames; ++frame) {
                bench::walk(frame, input);
                level.update(bench::walkFrameSeconds);
                // With a few frames to spare: the switch ends with its last fog frame.
                const bool switching = frame >= bench::switchFrame &&
                                       frame < bench::switchFrame + bench::switchFrames + 10;
                if (frame % poseSpacing == 0 && !switching) {
                    pose(window, level, sums, worst);
                }
            }
            level.close();
        }
        platform::setActiveInput(nullptr);
        const std::string name = levelFile.substr(levelFile.find('\\') + 1);
        report(name, sums, worst);
        for (std::size_t stage = 0; stage < 2; ++stage) {
            totals[stage] += sums[stage];
        }
        overall.largest = std::max(overall.largest, worst.largest);
        overall.share = std::max(overall.share, worst.share);
    }

    void total() const { report("all levels", totals, overall); }

private:
    void pose(platform::Window& window, screen::LevelManager& level, std::array<double, 2>& sums,
              Difference& worst) {
        engine::ShaderLibrary& library = engine::ShaderLibrary::getInstance();
        for (std::size_t stage = 0; stage < 2; ++stage) {
            times[stage].clear();
        }
        for (int round = 0; round < rounds; ++round) {
            for (std::size_t turn = 0; turn < 2; ++turn) {
                // A first in even rounds, B first in odd ones.
                const std::size_t stage = (turn + static_cast<std::size_t>(round)) % 2;
                std::swap(library.materialShadowTextureFoglessProgram, programs[stage]);
                const auto start = std::chrono::steady_clock::now();
                glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
                level.render();
                glFinish();
                const double milliseconds = bench::millisecondsSince(start);
                std::swap(library.materialShadowTextureFoglessProgram, programs[stage]);
                if (round >= warmRounds) {
                    times[stage].push_back(milliseconds);
                }
                if (round == rounds - 1) {
                    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                                 pixels[stage].data());
                }
            }
            window.swapBuffers();
        }
        for (std::size_t stage = 0; stage < 2; ++stage) {
            sums[stage] += bench::percentile(times[stage], 0.5);
        }
        const Difference difference = compare(pixels[0], pixels[1]);
        worst.largest = std::max(worst.largest, difference.largest);
        worst.share = std::max(worst.share, difference.share);
    }

    static void report(const std::string& name, const std::array<double, 2>& sums,
                       const Difference& worst) {
        std::cout << std::fixed << std::setprecision(1) << std::left << std::setw(24) << name
                  << " A " << sums[0] << " ms  B " << sums[1] << " ms  B/A " << std::setprecision(3)
                  << sums[1] / sums[0] << "  pictures differ by at most " << worst.largest
                  << "/255, in " << worst.share * 100.0 << " % of the pixels (worst view)"
                  << std::endl;
    }

    std::array<std::unique_ptr<engine::ShaderProgram>, 2> programs;
    std::array<std::vector<double>, 2> times;
    std::array<std::vector<std::uint8_t>, 2> pixels;
    std::array<double, 2> totals{};
    Difference overall;
};

} // namespace

int main(int argc, char** argv) {
    Arguments arguments = parse(argc, argv);
    bench::BenchWindow window;
    if (!window.open(true, arguments.samples)) {
        return EXIT_FAILURE;
    }
    const bench::WorkingDirectory inside(bench::shippedData());
    if (arguments.levels.empty()) {
        std::ifstream list("levels/levels.ini");
        arguments.levels = screen::LevelList::parse(list);
    }
    app::renderSettings() = app::RenderSettings{};
    std::cout << "Sums of the median render (shadow pass, main pass, images; glFinish) over "
                 "the views of each level, "
              << arguments.samples << " samples per pixel" << std::endl;
    Comparison comparison(arguments.stages);
    for (const std::string& levelFile : arguments.levels) {
        comparison.level(window.get(), levelFile);
    }
    comparison.total();
    return EXIT_SUCCESS;
}
