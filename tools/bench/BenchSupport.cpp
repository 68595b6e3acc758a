#include "BenchSupport.h"

#include "app/RenderSettings.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ScriptedInput.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

namespace Vexmor::bench {

void walk(int frame, platform::ScriptedInput& input) {
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

bool BenchWindow::open(bool visible, int samples, glm::ivec2 size) {
    // The window takes its format from the environment, as the tests and screenshots do.
    if (samples >= 0) {
        setenv("VEXMOR_SAMPLES", std::to_string(samples).c_str(), 1);
    }
    if (!window.initialise()) {
        std::cerr << "GLFW can't start: is there a display (run under xvfb-run)?" << std::endl;
        return false;
    }
    platform::Window::Settings settings;
    settings.visible = visible;
    settings.width = size.x;
    settings.height = size.y;
    if (!window.open(settings)) {
        std::cerr << "Can't open an OpenGL 3.3 core window" << std::endl;
        return false;
    }
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        std::cerr << "Can't initialise GLEW" << std::endl;
        return false;
    }
    // The same stray error the game reads away after glewInit.
    glGetError();
    // As the frame loop does each frame.
    const glm::ivec2 framebuffer = window.framebufferSize();
    app::renderSettings().framebufferWidth = framebuffer.x;
    app::renderSettings().framebufferHeight = framebuffer.y;
    glViewport(0, 0, framebuffer.x, framebuffer.y);
    return true;
}

BenchWindow::~BenchWindow() {
    sound::SoundLibrary::destroyInstance();
    engine::ModelLibrary::destroyInstance();
    engine::ShaderLibrary::destroyInstance();
    physics::CollisionShapeLibrary::destroyInstance();
    window.terminate();
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& directory)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

WorkingDirectory::~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) {
        return 0.0;
    }
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    const std::size_t index = std::clamp<std::size_t>(rank, 1, samples.size()) - 1;
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index),
                     samples.end());
    return samples[index];
}

std::filesystem::path shippedData() {
    return VEXMOR_DATA_DIR;
}

} // namespace Vexmor::bench
