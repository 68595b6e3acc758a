#include "autoplay/Autoplay.h"

#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/Window.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

using namespace Vexmor;

namespace {

int usage() {
    std::cerr << "usage: vexmor-autoplay [--render] [--record DIR] [--limit SECONDS] LEVEL...\n"
                 "Plays each level to its time machine through the game's own keys and mouse, in\n"
                 "the data directory it is started in, and says whether and how fast it finished.\n"
                 "  --render        draw every frame as the game does (default: updates only)\n"
                 "  --record DIR    also write every 4th frame to DIR as a PNG (implies --render)\n"
                 "  --limit SECONDS game time allowed per level (default 300)\n";
    return 2;
}

// The libraries hold GL objects, sounds and shapes: released while the context is there.
void releaseLibraries() {
    sound::SoundLibrary::destroyInstance();
    engine::ModelLibrary::destroyInstance();
    engine::ShaderLibrary::destroyInstance();
    physics::CollisionShapeLibrary::destroyInstance();
}

} // namespace

int main(int argc, char** argv) {
    autoplay::Options options;
    std::vector<std::string> levels;
    for (int arg = 1; arg < argc; ++arg) {
        const std::string option = argv[arg];
        if (option == "--render") {
            options.render = true;
        } else if (option == "--record" && arg + 1 < argc) {
            options.recordDirectory = argv[++arg];
        } else if (option == "--limit" && arg + 1 < argc) {
            char* end = nullptr;
            options.limitSeconds = std::strtod(argv[++arg], &end);
            if (*end != '\0' || !(options.limitSeconds > 0.0)) {
                return usage();
            }
        } else if (option.rfind("--", 0) == 0) {
            return usage();
        } else {
            levels.push_back(option);
        }
    }
    if (levels.empty()) {
        return usage();
    }
    if (!options.recordDirectory.empty()) {
        std::error_code failure;
        std::filesystem::create_directories(options.recordDirectory, failure);
        if (failure) {
            std::cerr << "can't make " << options.recordDirectory << ": " << failure.message()
                      << '\n';
            return 2;
        }
    }

    platform::Window window;
    platform::Window::Settings settings;
    settings.visible = false;
    if (!window.initialise() || !window.open(settings)) {
        std::cerr << "can't open an OpenGL 3.3 core window: is there a display?\n";
        return 2;
    }
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        std::cerr << "can't initialise GLEW\n";
        return 2;
    }
    // GLEW's probe of the core context leaves an error behind.
    glGetError();
    // As the game's frame loop sets it before the first frame; without it the first drawn
    // frame showed rooms behind rock.
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);

    bool allFinished = true;
    for (const std::string& level : levels) {
        // The game's own lines go to standard error, the verdicts to standard output.
        const autoplay::Outcome outcome = autoplay::play(level, options, std::cerr);
        std::cout << autoplay::verdict(level, outcome) << std::endl;
        allFinished = allFinished && outcome.finished;
    }
    releaseLibraries();
    window.terminate();
    return allFinished ? 0 : 1;
}
