#include "app/Application.h"

#include "app/GlErrorText.h"
#include "app/RenderSettings.h"
#include "app/WindowTitle.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "engine/TextureLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ActiveInput.h"
#include "platform/Clock.h"
#include "platform/Console.h"
#include "platform/Keys.h"
#include "screen/GameScreen.h"
#include "screen/TestScreen.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

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

int Application::run() {
    if (!initGraphics()) {
        return static_cast<int>(platform::ExitStatus::GraphicsStartup);
    }
    startUp();
    do {
        runFrame();
    } while (running);
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
    return true;
}

void Application::printDriverBlock() {
    std::cout << "------------------------ GL Info ------------------------\n"
              << "OpenGL: " << glString(GL_VERSION) << '\n'
              << "GLSL: " << glString(GL_SHADING_LANGUAGE_VERSION) << '\n'
              << "Vendor: " << glString(GL_VENDOR) << '\n'
              << "Renderer: " << glString(GL_RENDERER) << '\n'
              << "------------------------/ GL Info -----------------------" << std::endl;
}

void Application::startUp() {
    window.setTitle("Vexmor");
    platform::setActiveInput(&window.input());
    lastTime = platform::clockSeconds();
    screens[0] = std::make_unique<screen::TestScreen>();
    screens[1] = std::make_unique<screen::GameScreen>();
    // Sampled before loading, so a key held while the window opens acts on its release.
    shellKeys.sample(window.input());

    std::cout << "Pre level loading" << std::endl;
    screens[currentScreen]->init();

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_MULTISAMPLE);

    std::cout << "Pre main loop" << std::endl;
    firstFrame = true;
}

void Application::runFrame() {
    window.swapBuffers();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    // Stencil too, though nothing uses it: then the packed depth-stencil samples are simply
    // filled, where clearing depth alone makes a software rasteriser keep every sample's
    // stencil bits (a third of a frame on llvmpipe).
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);

    // No fixed step and no clamp: the first delta includes the level loading.
    const double now = platform::clockSeconds();
    const double frameDelta = now - lastTime;
    lastTime = now;
    if (statistics.addFrame(frameDelta)) {
        refreshTitle(statistics.getDisplayedFps(), statistics.getDisplayedMillis());
    }

    screen::Screen& current = *screens[currentScreen];
    if (firstFrame) {
        std::cout << "First computings..." << std::endl;
    }
    current.update(frameDelta);
    if (firstFrame) {
        std::cout << "First render..." << std::endl;
    }
    current.render();

    platform::Input& input = window.input();
    running = window.isOpen() && !input.isKeyDown(platform::key::Escape);
    actOnShellKey(shellKeys.firstReleased(input));
    shellKeys.sample(input);
    reportGlError();
    firstFrame = false;
}

void Application::actOnShellKey(int key) {
    RenderSettings& settings = renderSettings();
    switch (key) {
    case platform::key::F1:
        settings.showHelp = !settings.showHelp;
        break;
    case platform::key::F2:
        settings.showFrameStatistics = !settings.showFrameStatistics;
        break;
    case platform::key::F3:
        settings.wireframeMode = !settings.wireframeMode;
        break;
    case platform::key::F4:
        settings.textureFilterLinear = !settings.textureFilterLinear;
        break;
    case platform::key::F5:
        settings.stepMipmapMode();
        break;
    case platform::key::F8:
        settings.viewFrustumCulling = !settings.viewFrustumCulling;
        break;
    case platform::key::F12:
        screenshot.take();
        return;
    default:
        return;
    }
    refreshTitle(statistics.getDisplayedFps(), statistics.getDisplayedMillis());
    if (key == platform::key::F4 || key == platform::key::F5) {
        engine::TextureLibrary::getInstance().applyFilterMode();
    }
}

void Application::refreshTitle(int fps, int millis) {
    window.setTitle(windowTitle(renderSettings(), fps, millis));
}

void Application::reportGlError() {
    const GLenum code = glGetError();
    if (code != GL_NO_ERROR) {
        std::cout << "OpenGL-Error: " << glErrorText(code) << std::endl;
    }
}

void Application::shutDown() {
    std::cout << "Closing current Screen..." << std::endl;
    screens[currentScreen]->close();

    std::cout << "Delete Screens..." << std::endl;
    screens[0].reset();
    screens[1].reset();

    std::cout << "Destroy SoundLibrary..." << std::endl;
    sound::SoundLibrary::destroyInstance();
    std::cout << "Destroy ModelLibrary..." << std::endl;
    engine::ModelLibrary::destroyInstance();
    std::cout << "Destroy ShaderLibrary..." << std::endl;
    engine::ShaderLibrary::destroyInstance();
    std::cout << "Destroy CollisionShapeLibrary..." << std::endl;
    physics::CollisionShapeLibrary::destroyInstance();

    std::cout << "Closing openGL..." << std::endl;
    platform::setActiveInput(nullptr);
    window.terminate();
    std::cout << "Program ended." << std::endl;
    platform::waitForEnter();
}

} // namespace Vexmor::app
