#pragma once

#include "platform/GlfwInput.h"
#include "platform/StartSize.h"

#include <glm/vec2.hpp>

#include <memory>
#include <string>

struct GLFWwindow;

namespace Vexmor::platform {

// The game window and its OpenGL 3.3 core context, with the habits the game was built
// on: swapping buffers also polls events, and "open" means the user has not closed it.
class Window {
public:
    struct Settings {
        int width = startWidth;
        int height = startHeight;
        bool visible = true;
    };

    Window() = default;
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // glfwInit; false when GLFW can't start (no display, for one).
    bool initialise();
    // Opens the window and makes its context current; false when that fails. Its samples
    // per pixel follow VEXMOR_SAMPLES, else the renderer a hidden probe window reports.
    bool open(const Settings& settings);
    // Closes the window and ends GLFW.
    void terminate();

    void swapBuffers();
    bool isOpen() const;
    // The framebuffer's size in pixels; on HiDPI screens larger than the window's.
    glm::ivec2 framebufferSize() const;
    // Full screen on the monitor the window is mostly on, at the desktop's mode, or back to
    // the size and place it had before.
    void toggleFullScreen();
    bool isFullScreen() const;
    bool isFocused() const;
    // The monitor's refresh interval in seconds, 1/60 when unknown.
    double refreshInterval() const;
    void setTitle(const std::string& title);
    // What the last setTitle put in the title bar.
    const std::string& getTitle() const { return shownTitle; }
    // Asks the window to close as if the user had closed it.
    void requestClose();

    // Samples per pixel the window was asked for.
    int getSamples() const { return samples; }
    // True when the window went without multisampling because the renderer is software.
    bool isSoftwareFormat() const { return softwareFormat; }

    Input& input() { return *glfwInput; }
    GLFWwindow* handle() const { return window; }

private:
    // Chooses the samples per pixel, reporting an ignored VEXMOR_SAMPLES.
    void chooseFormat();
    // Takes the icon from img\icon.png when the file is there.
    void showIcon();

    // The windowed size and place to go back to from full screen.
    glm::ivec2 windowedPosition{0, 0};
    glm::ivec2 windowedSize{startWidth, startHeight};
    bool initialised = false;
    GLFWwindow* window = nullptr;
    std::unique_ptr<GlfwInput> glfwInput;
    std::string shownTitle;
    int samples = 0;
    bool softwareFormat = false;
};

} // namespace Vexmor::platform
