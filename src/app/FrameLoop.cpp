#include "app/FrameLoop.h"

#include "app/GlErrorText.h"
#include "app/RenderSettings.h"
#include "app/WindowTitle.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "engine/TextureLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ActiveInput.h"
#include "platform/Clock.h"
#include "platform/ControlSettings.h"
#include "platform/Keys.h"
#include "platform/UserDirectories.h"
#include "screen/GameScreen.h"
#include "screen/OptionsMenu.h"
#include "screen/TestScreen.h"
#include "screen/TitleScreen.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace Vexmor::app {

FrameLoop::FrameLoop(platform::Window& window, platform::Input& input)
    : window(window), input(input) {}

FrameLoop::~FrameLoop() = default;

void FrameLoop::startUp() {
    window.setTitle("Vexmor");
    platform::setActiveInput(&input);
    lastTime = platform::clockSeconds();
    screens[0] = std::make_unique<screen::TestScreen>();
    auto gameScreen = std::make_unique<screen::GameScreen>();
    game = gameScreen.get();
    game->setFlow(this);
    game->setOptions(options.get());
    if (!onlyLevel.empty()) {
        game->playOnly(onlyLevel);
    }
    screens[1] = std::move(gameScreen);
    auto titleScreen =
        std::make_unique<screen::TitleScreen>(*game, *this, [this](const std::string& line) {
            return screen::LevelRecord{progress.isFinished(line), progress.bestTime(line)};
        });
    title = titleScreen.get();
    title->setOptions(options.get());
    screens[2] = std::move(titleScreen);
    // Sampled before loading, so a key held while the window opens acts on its release.
    shellKeys.sample(input);

    if (settings != nullptr) {
        applySettings();
    }
    std::cout << "Pre level loading" << std::endl;
    game->init();
    // One level file played on its own leaves the player's progress alone.
    if (hasTitle()) {
        const auto warn = [](const std::string& line) { std::cout << line << std::endl; };
        progressFile =
            std::make_unique<ProgressFile>(platform::userDirectories([](const char* name) {
                                               return std::getenv(name);
                                           }).dataDirectory,
                                           warn);
        progress = progressFile->progress();
        game->setFinishListener([this](const std::string& line, double seconds) {
            progress.finish(line, seconds);
            progressFile->save(progress);
        });
    }
    if (hasTitle()) {
        showTitle();
    } else {
        playFrom(0);
    }

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_MULTISAMPLE);

    std::cout << "Pre main loop" << std::endl;
    firstFrame = true;
}

void FrameLoop::holdFrameBudget(float startScale) {
    scaleController.emplace(budgetSeconds, startScale);
    renderSettings().renderScale = scaleController->getScale();
    if (measureOnCard) {
        gpuTimer = std::make_unique<GpuFrameTimer>();
    }
}

void FrameLoop::setRenderScale(std::optional<float> fixed) {
    if (fixed) {
        scaleController.reset();
        gpuTimer.reset();
        renderSettings().renderScale = *fixed;
    } else if (!scaleController) {
        holdFrameBudget(renderSettings().renderScale);
    }
}

void FrameLoop::useSettings(Settings& chosen, SettingsFile& file, const RenderChoice& choice) {
    settings = &chosen;
    settingsFile = &file;
    renderChoice = &choice;
    const bool software = choice.software();
    // A software rasteriser never waits for the display: its frames are timed as they
    // come, against a budget that keeps them smooth.
    budgetSeconds = software ? 1.0 / 30.0 : window.refreshInterval();
    measureOnCard = !software;
    options = std::make_unique<screen::OptionsMenu>(chosen, [this](const Settings&) {
        applySettings();
        settingsFile->save(*settings);
    });
    options->setEnvironmentDecides(choice.lookFromEnvironment(), choice.scaleFromEnvironment());
}

void FrameLoop::applySettings() {
    platform::ControlSettings& controls = platform::controlSettings();
    controls.degreesPerPixel = settings->mouseSensitivity;
    controls.invertY = settings->invertY;
    sound::SoundLibrary::setVolumes(settings->musicVolume, settings->effectsVolume);
    if (game != nullptr) {
        game->refreshMusic();
    }
    RenderSettings& render = renderSettings();
    render.fieldOfViewDegrees = settings->fieldOfView;
    if (render.showFrameStatistics != settings->frameStatistics) {
        render.showFrameStatistics = settings->frameStatistics;
        refreshTitle(statistics.getDisplayedFps(), statistics.getDisplayedMillis());
    }
    if (window.isFullScreen() != settings->fullScreen) {
        window.toggleFullScreen();
    }
    if (!renderChoice->scaleFromEnvironment()) {
        setRenderScale(settings->renderScale);
    }
    if (!renderChoice->lookFromEnvironment()) {
        render.fastLook = renderChoice->fastLookFor(settings->look);
        // Before the first level the library is not built yet and takes the look then.
        if (engine::ShaderLibrary::hasInstance()) {
            engine::ShaderLibrary::getInstance().useLook(render.fastLook);
        }
    }
}

void FrameLoop::adjustRenderScale(double frameDelta) {
    if (!scaleController) {
        return;
    }
    const double cost = gpuTimer ? std::max(gpuTimer->latestSeconds(), lastWork) : frameDelta;
    scaleController->addFrame(cost, lastFrameHeld);
    renderSettings().renderScale = scaleController->getScale();
}

void FrameLoop::runFrame() {
    window.swapBuffers();
    const double workStart = platform::clockSeconds();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    // Stencil too, though nothing uses it: then the packed depth-stencil samples are simply
    // filled, where clearing depth alone makes a software rasteriser keep every sample's
    // stencil bits (a third of a frame on llvmpipe).
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    followFramebuffer();

    // No fixed step and no clamp here: the first delta includes the level loading. Physics
    // steps all of it; the timed animations take at most a tenth of a second of it.
    const double now = platform::clockSeconds();
    const double frameDelta = now - lastTime;
    lastTime = now;
    if (statistics.addFrame(frameDelta)) {
        refreshTitle(statistics.getDisplayedFps(), statistics.getDisplayedMillis());
    }
    adjustRenderScale(frameDelta);

    // A window that loses the focus pauses the game; one that never had it (a virtual
    // display without a window manager) plays on.
    const bool focused = window.isFocused();
    if (wasFocused && !focused && current == game) {
        game->pause();
    }
    wasFocused = focused;

    if (firstFrame) {
        std::cout << "First computings..." << std::endl;
    }
    if (gpuTimer) {
        gpuTimer->begin();
    }
    // The screen may hand over to another during its update; the new one draws the frame.
    current->update(frameDelta);
    if (firstFrame) {
        std::cout << "First render..." << std::endl;
    }
    current->render();
    if (gpuTimer) {
        gpuTimer->end();
    }
    lastWork = platform::clockSeconds() - workStart;
    lastFrameHeld = firstFrame || current->holdsRenderScale() || !focused;

    running = running && window.isOpen();
    actOnShellKey(shellKeys.firstReleased(input));
    shellKeys.sample(input);
    reportGlError();
    firstFrame = false;
}

void FrameLoop::followFramebuffer() {
    RenderSettings& settings = renderSettings();
    const glm::ivec2 size = window.framebufferSize();
    // A minimised window has no pixels; keep drawing at the last size until it is back.
    if (size.x > 0 && size.y > 0) {
        settings.framebufferWidth = size.x;
        settings.framebufferHeight = size.y;
    }
    glViewport(0, 0, settings.framebufferWidth, settings.framebufferHeight);
}

void FrameLoop::actOnShellKey(int key) {
    RenderSettings& render = renderSettings();
    switch (key) {
    case platform::key::F1:
        render.showHelp = !render.showHelp;
        break;
    case platform::key::F2:
        render.showFrameStatistics = !render.showFrameStatistics;
        break;
    case platform::key::F3:
        render.wireframeMode = !render.wireframeMode;
        break;
    case platform::key::F4:
        render.textureFilterLinear = !render.textureFilterLinear;
        break;
    case platform::key::F5:
        render.stepMipmapMode();
        break;
    case platform::key::F8:
        render.viewFrustumCulling = !render.viewFrustumCulling;
        break;
    case platform::key::F11:
        window.toggleFullScreen();
        // The options' full screen is the same setting.
        if (settings != nullptr && settings->fullScreen != window.isFullScreen()) {
            settings->fullScreen = window.isFullScreen();
            settingsFile->save(*settings);
        }
        return;
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

void FrameLoop::refreshTitle(int fps, int millis) {
    window.setTitle(windowTitle(renderSettings(), fps, millis));
}

void FrameLoop::reportGlError() {
    const GLenum code = glGetError();
    if (code != GL_NO_ERROR) {
        std::cout << "OpenGL-Error: " << glErrorText(code) << std::endl;
    }
}

void FrameLoop::playFrom(int level) {
    if (current == title) {
        title->close();
    }
    current = game;
    game->start(level);
}

void FrameLoop::showTitle() {
    current = title;
    title->init();
}

void FrameLoop::quitGame() {
    running = false;
}

void FrameLoop::shutDown() {
    std::cout << "Closing current Screen..." << std::endl;
    // The title screen shows a level the game screen holds: that closes with the game.
    if (current == title) {
        title->close();
    }
    game->close();

    std::cout << "Delete Screens..." << std::endl;
    for (std::unique_ptr<screen::Screen>& screen : screens) {
        screen.reset();
    }
    game = nullptr;
    title = nullptr;
    current = nullptr;

    std::cout << "Destroy SoundLibrary..." << std::endl;
    sound::SoundLibrary::destroyInstance();
    std::cout << "Destroy ModelLibrary..." << std::endl;
    engine::ModelLibrary::destroyInstance();
    std::cout << "Destroy ShaderLibrary..." << std::endl;
    engine::ShaderLibrary::destroyInstance();
    std::cout << "Destroy CollisionShapeLibrary..." << std::endl;
    physics::CollisionShapeLibrary::destroyInstance();
    platform::setActiveInput(nullptr);
}

} // namespace Vexmor::app
