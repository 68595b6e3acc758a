#include "platform/Window.h"

#include "platform/WindowIcon.h"

#include <GLFW/glfw3.h>

namespace Vexmor::platform {

Window::~Window() {
    terminate();
}

bool Window::initialise() {
    initialised = glfwInit() == GLFW_TRUE;
    return initialised;
}

bool Window::open(const Settings& settings) {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_SAMPLES, 4);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
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
