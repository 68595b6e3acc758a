#include "platform/Window.h"

#include "platform/SampleChoice.h"
#include "platform/WindowIcon.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include <glm/common.hpp>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace Vexmor::platform {

namespace {

// Below this the screen images and the title would crowd each other.
constexpr int minimumWidth = 640;
constexpr int minimumHeight = 480;

void contextHints() {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
}

// The renderer a context of the game's kind gets, from a small hidden window made and
// dropped again; empty when even that window can't be made.
std::string probeRenderer() {
    contextHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* probe = glfwCreateWindow(16, 16, "", nullptr, nullptr);
    if (probe == nullptr) {
        return {};
    }
    GLFWwindow* previous = glfwGetCurrentContext();
    glfwMakeContextCurrent(probe);
    // GLEW is not set up yet, so the one call needed comes straight from the context.
    using GetString = const GLubyte* (*)(GLenum);
    const auto getString = reinterpret_cast<GetString>(glfwGetProcAddress("glGetString"));
    const GLubyte* text = getString != nullptr ? getString(GL_RENDERER) : nullptr;
    std::string renderer = text != nullptr ? reinterpret_cast<const char*>(text) : "";
    glfwMakeContextCurrent(previous);
    glfwDestroyWindow(probe);
    return renderer;
}

} // namespace

Window::~Window() {
    terminate();
}

bool Window::initialise() {
    initialised = glfwInit() == GLFW_TRUE;
    return initialised;
}

void Window::chooseFormat() {
    const SampleChoice choice(std::getenv("VEXMOR_SAMPLES"));
    if (!choice.ignoredText().empty()) {
        std::cout << "[WARN] VEXMOR_SAMPLES='" << choice.ignoredText()
                  << "' ignored: it takes 0 or 4" << std::endl;
    }
    // The renderer is asked only when the environment leaves the choice to it.
    const RendererKind kind =
        choice.overridden() ? RendererKind::Hardware : SampleChoice::kindOf(probeRenderer());
    samples = choice.samplesFor(kind);
    softwareFormat = !choice.overridden() && kind == RendererKind::Software;
}

bool Window::open(const Settings& settings) {
    chooseFormat();
    contextHints();
    glfwWindowHint(GLFW_SAMPLES, samples);
    glfwWindowHint(GLFW_RED_BITS, 8);
    glfwWindowHint(GLFW_GREEN_BITS, 8);
    glfwWindowHint(GLFW_BLUE_BITS, 8);
    glfwWindowHint(GLFW_ALPHA_BITS, 8);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 8);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    glfwWindowHint(GLFW_VISIBLE, settings.visible ? GLFW_TRUE : GLFW_FALSE);

    window = glfwCreateWindow(settings.width, settings.height, "", nullptr, nullptr);
    if (window == nullptr) {
        return false;
    }
    glfwSetWindowSizeLimits(window, minimumWidth, minimumHeight, GLFW_DONT_CARE, GLFW_DONT_CARE);
    glfwMakeContextCurrent(window);
    // On graphics hardware the frame loop runs at the display's rate, not thousands of
    // frames a second.
    glfwSwapInterval(1);
    showIcon();
    // Keys are polled once a frame: a tap shorter than a slow frame must still be seen.
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwInput = std::make_unique<GlfwInput>(window);
    return true;
}

void Window::showIcon() {
    // The icon is a nicety: without the file the window keeps the system's default.
    std::optional<IconImage> icon = loadIcon("img\\icon.png");
    if (!icon) {
        return;
    }
    const GLFWimage image{icon->width, icon->height, icon->rgba.data()};
    glfwSetWindowIcon(window, 1, &image);
}

void Window::terminate() {
    if (!initialised) {
        return;
    }
    glfwInput.reset();
    if (window != nullptr) {
        glfwDestroyWindow(window);
        window = nullptr;
    }
    glfwTerminate();
    initialised = false;
}

void Window::swapBuffers() {
    glfwSwapBuffers(window);
    glfwPollEvents();
    glfwInput->newFrame();
}

bool Window::isOpen() const {
    return window != nullptr && !glfwWindowShouldClose(window);
}

glm::ivec2 Window::framebufferSize() const {
    glm::ivec2 size(0, 0);
    glfwGetFramebufferSize(window, &size.x, &size.y);
    return size;
}

namespace {

// The monitor that holds the most of the window, or the primary one.
GLFWmonitor* monitorUnder(GLFWwindow* window) {
    glm::ivec2 position;
    glm::ivec2 size;
    glfwGetWindowPos(window, &position.x, &position.y);
    glfwGetWindowSize(window, &size.x, &size.y);
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    GLFWmonitor* best = glfwGetPrimaryMonitor();
    long bestArea = 0;
    for (int i = 0; i < count; ++i) {
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
        if (mode == nullptr) {
            continue;
        }
        glm::ivec2 origin;
        glfwGetMonitorPos(monitors[i], &origin.x, &origin.y);
        const glm::ivec2 low = glm::max(position, origin);
        const glm::ivec2 high =
            glm::min(position + size, origin + glm::ivec2(mode->width, mode->height));
        const long area = long(std::max(0, high.x - low.x)) * long(std::max(0, high.y - low.y));
        if (area > bestArea) {
            bestArea = area;
            best = monitors[i];
        }
    }
    return best;
}

} // namespace

void Window::toggleFullScreen() {
    if (isFullScreen()) {
        glfwSetWindowMonitor(window, nullptr, windowedPosition.x, windowedPosition.y,
                             windowedSize.x, windowedSize.y, 0);
        return;
    }
    GLFWmonitor* monitor = monitorUnder(window);
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        return;
    }
    glfwGetWindowPos(window, &windowedPosition.x, &windowedPosition.y);
    glfwGetWindowSize(window, &windowedSize.x, &windowedSize.y);
    // The desktop's own mode: the monitor does not switch modes, the window just covers it.
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
}

bool Window::isFullScreen() const {
    return window != nullptr && glfwGetWindowMonitor(window) != nullptr;
}

bool Window::isFocused() const {
    return window != nullptr && glfwGetWindowAttrib(window, GLFW_FOCUSED) == GLFW_TRUE;
}

double Window::refreshInterval() const {
    constexpr double unknown = 1.0 / 60.0;
    GLFWmonitor* monitor = window != nullptr ? monitorUnder(window) : nullptr;
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    return mode != nullptr && mode->refreshRate > 0 ? 1.0 / mode->refreshRate : unknown;
}

void Window::setTitle(const std::string& title) {
    glfwSetWindowTitle(window, title.c_str());
    shownTitle = title;
}

void Window::requestClose() {
    glfwSetWindowShouldClose(window, GLFW_TRUE);
}

} // namespace Vexmor::platform
