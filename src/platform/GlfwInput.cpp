#include "platform/GlfwInput.h"

#include "platform/Keys.h"

#include <GLFW/glfw3.h>

#include <cmath>

namespace Vexmor::platform {

static_assert(key::Escape == GLFW_KEY_ESCAPE && key::F1 == GLFW_KEY_F1 && key::F2 == GLFW_KEY_F2 &&
                  key::F3 == GLFW_KEY_F3 && key::F4 == GLFW_KEY_F4 && key::F5 == GLFW_KEY_F5 &&
                  key::F8 == GLFW_KEY_F8 && key::F12 == GLFW_KEY_F12 &&
                  key::LeftShift == GLFW_KEY_LEFT_SHIFT && key::Space == GLFW_KEY_SPACE &&
                  'W' == GLFW_KEY_W,
              "key codes must match GLFW's");

static_assert(GLFW_KEY_LAST < 349, "key state cache too small");

GlfwInput::GlfwInput(GLFWwindow* window) : window(window) {
    newFrame();
}

void GlfwInput::newFrame() {
    keyStates.fill(-1);
}

bool GlfwInput::isKeyDown(int key) const {
    if (key < 0 || key >= keyCount) {
        return false;
    }
    signed char& state = keyStates[static_cast<std::size_t>(key)];
    if (state < 0) {
        state = glfwGetKey(window, key) == GLFW_PRESS ? 1 : 0;
    }
    return state == 1;
}

glm::dvec2 GlfwInput::rawCursorPosition() const {
    glm::dvec2 position{0.0, 0.0};
    glfwGetCursorPos(window, &position.x, &position.y);
    return position;
}

glm::ivec2 GlfwInput::getCursorPosition() {
    const glm::dvec2 raw = rawCursorPosition();
    if (captureSettling) {
        offset = raw - settledPosition;
        captureSettling = false;
    }
    const glm::dvec2 position = raw - offset;
    return {static_cast<int>(std::floor(position.x)), static_cast<int>(std::floor(position.y))};
}

void GlfwInput::setCursorPosition(glm::ivec2 position) {
    if (cursorDisabled) {
        offset = rawCursorPosition() - glm::dvec2(position);
        settledPosition = position;
    } else {
        glfwSetCursorPos(window, position.x, position.y);
    }
}

void GlfwInput::disableCursor() {
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    // The pointer is confined to the window and put back to its centre only once a
    // frame, so a fast turn would stop at the window's edge; raw motion has no edge.
    if (glfwRawMouseMotionSupported() == GLFW_TRUE) {
        glfwSetInputMode(window, GLFW_RAW_MOUSE_MOTION, GLFW_TRUE);
    }
    cursorDisabled = true;
    captureSettling = true;
    settledPosition = rawCursorPosition() - offset;
}

void GlfwInput::enableCursor() {
    if (!cursorDisabled) {
        return;
    }
    glfwSetInputMode(window, GLFW_RAW_MOUSE_MOTION, GLFW_FALSE);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    cursorDisabled = false;
    captureSettling = false;
    offset = {0.0, 0.0};
}

bool GlfwInput::isMouseButtonDown(int button) const {
    return glfwGetMouseButton(window, button) == GLFW_PRESS;
}

} // namespace Vexmor::platform
