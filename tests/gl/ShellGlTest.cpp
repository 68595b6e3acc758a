#include "GlTestWindow.h"

#include "app/Screenshot.h"

#include <FreeImage.h>
#include <GLFW/glfw3.h>

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

using ShellGl = GlTestWindow;

TEST_F(ShellGl, ScreenshotIsA24BitImageOfTheBackBufferInItsColours) {
    const fs::path dir = fs::temp_directory_path() / ("vexmor-shot-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);

    // Left half red, right half blue: catches swapped channels and mirrored rows.
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(512, 0, 512, 384);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    Vexmor::app::Screenshot screenshot;
    screenshot.take();
    screenshot.take();
    fs::current_path(previous);

    EXPECT_TRUE(fs::exists(dir / "screenshot1.png"));
    FIBITMAP* image = FreeImage_Load(FIF_PNG, (dir / "screenshot0.png").c_str(), 0);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(image), 1024u);
    EXPECT_EQ(FreeImage_GetHeight(image), 768u);
    EXPECT_EQ(FreeImage_GetBPP(image), 24u);

    RGBQUAD colour;
    // FreeImage rows are bottom-up like GL's: (0, 0) is the lower left.
    ASSERT_TRUE(FreeImage_GetPixelColor(image, 10, 10, &colour));
    EXPECT_EQ(colour.rgbRed, 255);
    EXPECT_EQ(colour.rgbBlue, 0);
    ASSERT_TRUE(FreeImage_GetPixelColor(image, 1000, 10, &colour));
    EXPECT_EQ(colour.rgbRed, 0);
    EXPECT_EQ(colour.rgbBlue, 255);
    ASSERT_TRUE(FreeImage_GetPixelColor(image, 1000, 700, &colour));
    EXPECT_EQ(colour.rgbRed, 255);
    FreeImage_Unload(image);
    fs::remove_all(dir);
}

TEST_F(ShellGl, CapturedCursorFirstReadsWhereItWasPut) {
    Vexmor::platform::Input& input = window.input();
    input.disableCursor();
    input.setCursorPosition({400, 300});
    window.swapBuffers();
    glm::dvec2 position = input.getCursorPosition();
    EXPECT_EQ(position, glm::dvec2(400.0, 300.0));
    input.setCursorPosition({10.5, 20.25});
    window.swapBuffers();
    position = input.getCursorPosition();
    EXPECT_EQ(position, glm::dvec2(10.5, 20.25));
    EXPECT_EQ(glfwGetInputMode(window.handle(), GLFW_CURSOR), GLFW_CURSOR_DISABLED);
}

TEST_F(ShellGl, WindowStaysOpenUntilClosedAndKeepsItsSize) {
    EXPECT_TRUE(window.isOpen());
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window.handle(), &width, &height);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    window.swapBuffers();
    window.requestClose();
    EXPECT_FALSE(window.isOpen());
}
