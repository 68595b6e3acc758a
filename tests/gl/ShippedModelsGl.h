#pragma once

#include "GlDataDirectory.h"
#include "GlTestWindow.h"

#include "app/RenderSettings.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "sound/SoundLibrary.h"

#include <filesystem>
#include <memory>
#include <vector>

// A GL context and a working directory with the game's own models and shaders, every image
// the game names as one plain grey (so light and shadow are all that varies on screen), and
// scripted keys and mouse.
class ShippedModelsGl : public GlTestWindow {
protected:
    void SetUp() override {
        GlTestWindow::SetUp();
        data = std::make_unique<GlDataDirectory>();
        const std::filesystem::path shipped(VEXMOR_DATA_DIR);
        std::filesystem::create_directory_symlink(shipped / "models", data->path() / "models");
        for (const auto& image : std::filesystem::directory_iterator(shipped / "img")) {
            data->writeCheckerPng("img/" + image.path().filename().string(), 8, 0xB0B0B0, 0xB0B0B0);
        }
        Vexmor::platform::setActiveInput(&input);
    }

    void TearDown() override {
        Vexmor::platform::setActiveInput(nullptr);
        Vexmor::sound::SoundLibrary::destroyInstance();
        Vexmor::engine::ModelLibrary::destroyInstance();
        Vexmor::engine::ShaderLibrary::destroyInstance();
        Vexmor::physics::CollisionShapeLibrary::destroyInstance();
        Vexmor::app::renderSettings() = Vexmor::app::RenderSettings{};
        data.reset();
        GlTestWindow::TearDown();
    }

    // The window's back buffer as RGBA rows, bottom row first.
    static std::vector<unsigned char> windowPixels() {
        std::vector<unsigned char> rgba(1024 * 768 * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    std::unique_ptr<GlDataDirectory> data;
    Vexmor::platform::ScriptedInput input;
};
