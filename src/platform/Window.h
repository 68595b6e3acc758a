#pragma once

#include "platform/GlfwInput.h"

#include <memory>
#include <string>

struct GLFWwindow;

namespace Vexmor::platform {

// The game window and its OpenGL 3.3 core context, with the habits the game was built
// on: swapping buffers also polls events, and "open" means the user has not closed it.
class Window {
public:
    struct Settings {
        int width = 1024;
        int height = 768;
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

    bool initialised = false;
    GLFWwindow* window = nullptr;
    std::unique_ptr<GlfwInput> glfwInput;
    std::string shownTitle;
    int samples = 0;
    bool softwareFormat = false;
};

} // namespace Vexmor::platform
