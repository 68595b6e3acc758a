#include "GlDataDirectory.h"

#include "common/CoutCapture.h"

#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "engine/TextureLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ActiveInput.h"
#include "platform/SampleChoice.h"
#include "platform/ScriptedInput.h"
#include "platform/Window.h"
#include "screen/LevelChanger.h"
#include "screen/LevelManager.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>
#include <gtest/gtest.h>
// After GoogleTest: Xlib's macros would clash with it.
#include <X11/Xlib.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using namespace Vexmor;

namespace {

class NoNextLevel : public screen::LevelChanger {
public:
    void nextLevel() override {}
};

struct Opened {
    int samples = -1;
    bool softwareFormat = false;
    std::string renderer;
    // Level 01's first view, RGB from the bottom row up.
    std::vector<unsigned char> view;
};

// Opens the game's window with VEXMOR_SAMPLES as given (unset for none), draws level 01's
// first view and closes it all again.
Opened openWith(const char* samplesVariable) {
    if (samplesVariable != nullptr) {
        setenv("VEXMOR_SAMPLES", samplesVariable, 1);
    } else {
        unsetenv("VEXMOR_SAMPLES");
    }
    Opened opened;
    platform::Window window;
    EXPECT_TRUE(window.initialise());
    platform::Window::Settings settings;
    settings.visible = false;
    EXPECT_TRUE(window.open(settings));
    unsetenv("VEXMOR_SAMPLES");
    glewExperimental = GL_TRUE;
    EXPECT_EQ(glewInit(), static_cast<GLenum>(GLEW_OK));
    glGetError();
    glGetIntegerv(GL_SAMPLES, &opened.samples);
    opened.softwareFormat = window.isSoftwareFormat();
    opened.renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    EXPECT_EQ(window.getSamples(), opened.samples);
    {
        GlDataDirectory data;
        for (const char* folder : {"levels", "models", "img", "sound"}) {
            std::filesystem::create_directory_symlink(
                std::filesystem::path(VEXMOR_DATA_DIR) / folder, data.path() / folder);
        }
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        NoNextLevel changer;
        screen::LevelManager level("levels\\01_first_steps.lvl", &changer);
        CoutCapture quiet;
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_MULTISAMPLE);
        level.init();
        level.update(1.0 / 60.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        level.render();
        opened.view.resize(1024 * 768 * 3);
        glReadPixels(0, 0, 1024, 768, GL_RGB, GL_UNSIGNED_BYTE, opened.view.data());
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        level.close();
        platform::setActiveInput(nullptr);
        sound::SoundLibrary::destroyInstance();
        engine::ModelLibrary::destroyInstance();
        engine::ShaderLibrary::destroyInstance();
        engine::TextureLibrary::getInstance().releaseAll();
        physics::CollisionShapeLibrary::destroyInstance();
    }
    window.terminate();
    return opened;
}

double meanDifference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    long long sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += std::abs(int(a[i]) - int(b[i]));
    }
    return double(sum) / double(a.size());
}

} // namespace

TEST(WindowFormatGl, TheEnvironmentNamesTheFormatAndBothDrawTheSameLevel) {
    // The X server resets when its last client leaves and refuses whoever connects
    // meanwhile; this test ends GLFW and starts it again, so it keeps a client of its own.
    Display* const keepServer = XOpenDisplay(nullptr);
    ASSERT_NE(keepServer, nullptr);
    const char* inherited = std::getenv("VEXMOR_SAMPLES");
    const std::optional<std::string> saved =
        inherited != nullptr ? std::optional<std::string>(inherited) : std::nullopt;

    const Opened four = openWith("4");
    EXPECT_EQ(four.samples, 4);
    EXPECT_FALSE(four.softwareFormat);
    const Opened none = openWith("0");
    EXPECT_EQ(none.samples, 0);
    EXPECT_FALSE(none.softwareFormat);
    const Opened chosen = openWith(nullptr);
    const bool software =
        platform::SampleChoice::kindOf(chosen.renderer) == platform::RendererKind::Software;
    EXPECT_EQ(chosen.samples, software ? 0 : 4) << chosen.renderer;
    EXPECT_EQ(chosen.softwareFormat, software);
    // An unknown value leaves the choice to the renderer.
    EXPECT_EQ(openWith("2").samples, chosen.samples);

    if (saved) {
        setenv("VEXMOR_SAMPLES", saved->c_str(), 1);
    }
    // Multisampling only smooths the edges: the view is the same level, lit the same.
    EXPECT_LT(meanDifference(four.view, none.view), 2.0);
    EXPECT_GT(meanDifference(none.view, std::vector<unsigned char>(none.view.size(), 0)), 5.0);
    XCloseDisplay(keepServer);
}
