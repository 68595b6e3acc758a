#include "platform/Window.h"

#include "platform/SampleChoice.h"
#include "platform/WindowIcon.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <iostream>

namespace Vexmor::platform {

namespace {

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
    // The renderer and the screenshot assume the fixed window size.
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_VISIBLE, settings.visible ? GLFW_TRUE : GLFW_FALSE);

    window = glfwCreateWindow(settings.width, settings.height, "", nullptr, nullptr);
    if (window == nullptr) {
        return false;
    }
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

void Window::setTitle(const std::string& title) {
    glfwSetWindowTitle(window, title.c_str());
    shownTitle = title;
}

void Window::requestClose() {
    glfwSetWindowShouldClose(window, GLFW_TRUE);
}

} // namespace Vexmor::platform
