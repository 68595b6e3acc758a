#pragma once

#include "engine/TextureLibrary.h"
#include "platform/Window.h"

#include <GL/glew.h>

#include <gtest/gtest.h>

// A hidden 1024 x 768 window with a current OpenGL 3.3 core context, for tests that need GL.
class GlTestWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.initialise()) << "no display for the GL tests";
        Vexmor::platform::Window::Settings settings;
        settings.visible = false;
        ASSERT_TRUE(window.open(settings));
        glewExperimental = GL_TRUE;
        ASSERT_EQ(glewInit(), static_cast<GLenum>(GLEW_OK));
        glGetError();
    }

    // The texture cache outlives the context: names it holds would be reused by the next one.
    void TearDown() override {
        Vexmor::engine::TextureLibrary::getInstance().releaseAll();
        window.terminate();
    }

    Vexmor::platform::Window window;
};
