#include "platform/Window.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
// After GoogleTest: Xlib's macros would clash with it.
#include <X11/Xlib.h>

using namespace Vexmor;

// The game captures the mouse with the pointer outside its window; the window then gets
// the focus (GLFW puts the pointer at the window's centre) and the pointer enters. GLFW
// moves its cursor to where the pointer crossed in, and however late the game sees that,
// the view must not turn.
TEST(GlfwInputGl, ThePointerEnteringACapturedWindowTurnsNothing) {
    // The focus outlives this window: hand it back as found, and keep the X server from
    // resetting when GLFW leaves it.
    Display* const keepServer = XOpenDisplay(nullptr);
    ASSERT_NE(keepServer, nullptr);
    Window focusBefore = 0;
    int revertBefore = 0;
    XGetInputFocus(keepServer, &focusBefore, &revertBefore);

    platform::Window window;
    ASSERT_TRUE(window.initialise());
    platform::Window::Settings settings;
    settings.width = 640;
    settings.height = 480;
    ASSERT_TRUE(window.open(settings));
    GLFWwindow* const handle = window.handle();
    glfwSetWindowPos(handle, 300, 300);
    platform::Input& input = window.input();
    for (int i = 0; i < 10; ++i) {
        window.swapBuffers();
    }
    // Outside the window, above and left of it.
    glfwSetCursorPos(handle, -200.0, -200.0);
    window.swapBuffers();

    input.disableCursor();
    input.setCursorPosition({320.0, 240.0});
    const glm::dvec2 captured = input.getCursorPosition();
    EXPECT_EQ(captured, glm::dvec2(320.0, 240.0));

    glfwFocusWindow(handle);
    bool entered = false;
    for (int i = 0; i < 40; ++i) {
        glfwWaitEventsTimeout(0.025);
        window.swapBuffers();
        entered = entered || glfwGetWindowAttrib(handle, GLFW_HOVERED) == GLFW_TRUE;
        ASSERT_EQ(input.getCursorPosition(), captured) << "after " << i << " frames";
    }
    EXPECT_TRUE(entered) << "the pointer never came into the window";
    input.enableCursor();
    window.terminate();
    XSetInputFocus(keepServer, focusBefore, revertBefore, CurrentTime);
    XCloseDisplay(keepServer);
}
