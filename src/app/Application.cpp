#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/FrameLoop.h"
#include "app/RenderSettings.h"
#include "platform/Console.h"
#include "platform/UserDirectories.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <iostream>

namespace Vexmor::app {

namespace {

// What every failed start-up ends with before the process returns 1.
bool failureTail() {
    platform::waitForEnter();
    return false;
}

const char* glString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

} // namespace

int Application::run(const std::vector<std::string>& arguments) {
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.usageError) {
        std::cerr << *commandLine.usageError << std::endl;
        return static_cast<int>(platform::ExitStatus::Usage);
    }
    settingsFile = std::make_unique<SettingsFile>(
        platform::userDirectories([](const char* name) {
            return std::getenv(name);
        }).configDirectory,
        [this](const std::string& line) { settingsWarnings.push_back(line); });
    settings = settingsFile->settings();
    if (!initGraphics()) {
        return static_cast<int>(platform::ExitStatus::GraphicsStartup);
    }
    FrameLoop loop(window, window.input());
    loop.useSettings(settings, *settingsFile, *renderChoice);
    if (!commandLine.levelFile.empty()) {
        loop.playOnly(commandLine.levelFile);
    }
    if (!renderChoice->fixedScale()) {
        loop.holdFrameBudget(renderChoice->startScale());
    }
    loop.startUp();
    do {
        loop.runFrame();
    } while (loop.isRunning());
    loop.shutDown();
    shutDown();
    return static_cast<int>(platform::ExitStatus::Success);
}

bool Application::initGraphics() {
    if (!window.initialise()) {
        std::cout << "Error while initializing glfw!" << std::endl;
        return failureTail();
    }
    if (!window.open(platform::Window::Settings{})) {
        window.terminate();
        std::cout << "Error while opening window!" << std::endl;
        return failureTail();
    }
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        window.terminate();
        std::cout << "Error while initialising glew!" << std::endl;
        return failureTail();
    }
    // GLEW probes the context with a call that a core context rejects; drop that error
    // so the first frame does not report it.
    glGetError();
    if (!glewIsSupported("GL_VERSION_3_3")) {
        window.terminate();
        std::cout << "Error: "
                  << "GL_VERSION_3_3"
                  << " is not supportet on this system!" << std::endl;
        return failureTail();
    }
    // Take these straight from the context, not from GLEW's lookup.
    __glewGenVertexArrays =
        reinterpret_cast<PFNGLGENVERTEXARRAYSPROC>(glfwGetProcAddress("glGenVertexArrays"));
    __glewBindVertexArray =
        reinterpret_cast<PFNGLBINDVERTEXARRAYPROC>(glfwGetProcAddress("glBindVertexArray"));
    __glewDeleteVertexArrays =
        reinterpret_cast<PFNGLDELETEVERTEXARRAYSPROC>(glfwGetProcAddress("glDeleteVertexArrays"));
    __glewGenerateMipmap =
        reinterpret_cast<PFNGLGENERATEMIPMAPPROC>(glfwGetProcAddress("glGenerateMipmap"));
    __glewCreateShader =
        reinterpret_cast<PFNGLCREATESHADERPROC>(glfwGetProcAddress("glCreateShader"));
    __glewCreateProgram =
        reinterpret_cast<PFNGLCREATEPROGRAMPROC>(glfwGetProcAddress("glCreateProgram"));
    printDriverBlock();
    chooseLook();
    return true;
}

void Application::chooseLook() {
    const platform::RendererKind kind = platform::SampleChoice::kindOf(glString(GL_RENDERER));
    renderChoice.emplace(std::getenv("VEXMOR_LOOK"), std::getenv("VEXMOR_RENDER_SCALE"), kind,
                         settings.look, settings.renderScale);
    std::cout << renderChoice->warnings();
    if (renderChoice->software()) {
        std::cout << "[INFO] Software rasteriser: "
                  << (window.getSamples() == 0 ? "multisampling off" : "multisampling on") << ", "
                  << renderChoice->description() << std::endl;
    }
    RenderSettings& render = renderSettings();
    render.fastLook = renderChoice->fastLook();
    render.renderScale = renderChoice->startScale();
    for (const std::string& warning : settingsWarnings) {
        std::cout << warning << std::endl;
    }
}

void Application::printDriverBlock() {
    std::cout << "------------------------ GL Info ------------------------\n"
              << "OpenGL: " << glString(GL_VERSION) << '\n'
              << "GLSL: " << glString(GL_SHADING_LANGUAGE_VERSION) << '\n'
              << "Vendor: " << glString(GL_VENDOR) << '\n'
              << "Renderer: " << glString(GL_RENDERER) << '\n'
              << "------------------------/ GL Info -----------------------" << std::endl;
}

void Application::shutDown() {
    std::cout << "Closing openGL..." << std::endl;
    window.terminate();
    std::cout << "Program ended." << std::endl;
    platform::waitForEnter();
}

} // namespace Vexmor::app
