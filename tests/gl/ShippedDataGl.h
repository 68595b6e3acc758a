#pragma once

#include "GlDataDirectory.h"
#include "GlTestWindow.h"

#include "app/RenderSettings.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "screen/LevelManager.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>

#include <filesystem>
#include <memory>
#include <vector>

// The shipped data in a temporary working directory, drawn into the game's window.
class ShippedDataGl : public GlTestWindow {
protected:
    static constexpr int width = 1024;
    static constexpr int height = 768;

    void SetUp() override {
        GlTestWindow::SetUp();
        data = std::make_unique<GlDataDirectory>();
        for (const char* folder : {"levels", "models", "img", "sound"}) {
            std::filesystem::create_directory_symlink(
                std::filesystem::path(VEXMOR_DATA_DIR) / folder, data->path() / folder);
        }
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_MULTISAMPLE);
    }

    void TearDown() override {
        Vexmor::app::renderSettings() = Vexmor::app::RenderSettings{};
        data.reset();
        Vexmor::sound::SoundLibrary::destroyInstance();
        Vexmor::engine::ModelLibrary::destroyInstance();
        Vexmor::engine::ShaderLibrary::destroyInstance();
        Vexmor::physics::CollisionShapeLibrary::destroyInstance();
        GlTestWindow::TearDown();
    }

    // The level's frame as the window shows it, in RGB bytes from the bottom row up.
    static std::vector<unsigned char> renderFrame(Vexmor::screen::LevelManager& level) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        level.render();
        std::vector<unsigned char> pixels(width * height * 3);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The dark era's passes alone, with the fog front at `fogDistance` (-1 for none).
    static std::vector<unsigned char> renderScene(Vexmor::screen::LevelManager& level,
                                                  float fogDistance) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        level.getScene().render(false, fogDistance, 3.0f);
        std::vector<unsigned char> pixels(width * height * 3);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    std::unique_ptr<GlDataDirectory> data;
};
