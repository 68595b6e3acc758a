#include "platform/GlfwInput.h"

#include "platform/Keys.h"

#include <GLFW/glfw3.h>

namespace Vexmor::platform {

static_assert(key::Escape == GLFW_KEY_ESCAPE && key::F1 == GLFW_KEY_F1 && key::F2 == GLFW_KEY_F2 &&
                  key::F3 == GLFW_KEY_F3 && key::F4 == GLFW_KEY_F4 && key::F5 == GLFW_KEY_F5 &&
                  key::F8 == GLFW_KEY_F8 && key::F12 == GLFW_KEY_F12 &&
                  key::LeftShift == GLFW_KEY_LEFT_SHIFT && key::Space == GLFW_KEY_SPACE &&
                  key::Enter == GLFW_KEY_ENTER && key::KeypadEnter == GLFW_KEY_KP_ENTER &&
                  key::Up == GLFW_KEY_UP && key::Down == GLFW_KEY_DOWN &&
                  key::Left == GLFW_KEY_LEFT && key::Right == GLFW_KEY_RIGHT && 'W' == GLFW_KEY_W,
              "key codes must match GLFW's");

static_assert(pad::A == GLFW_GAMEPAD_BUTTON_A && pad::B == GLFW_GAMEPAD_BUTTON_B &&
                  pad::X == GLFW_GAMEPAD_BUTTON_X && pad::Y == GLFW_GAMEPAD_BUTTON_Y &&
                  pad::Start == GLFW_GAMEPAD_BUTTON_START &&
                  pad::LeftThumb == GLFW_GAMEPAD_BUTTON_LEFT_THUMB &&
                  pad::DpadUp == GLFW_GAMEPAD_BUTTON_DPAD_UP &&
                  pad::DpadRight == GLFW_GAMEPAD_BUTTON_DPAD_RIGHT &&
                  pad::DpadDown == GLFW_GAMEPAD_BUTTON_DPAD_DOWN &&
                  pad::DpadLeft == GLFW_GAMEPAD_BUTTON_DPAD_LEFT &&
                  pad::buttonCount == GLFW_GAMEPAD_BUTTON_LAST + 1,
              "gamepad buttons must match GLFW's");

static_assert(pad::LeftX == GLFW_GAMEPAD_AXIS_LEFT_X && pad::LeftY == GLFW_GAMEPAD_AXIS_LEFT_Y &&
                  pad::RightX == GLFW_GAMEPAD_AXIS_RIGHT_X &&
                  pad::RightY == GLFW_GAMEPAD_AXIS_RIGHT_Y &&
                  pad::LeftTrigger == GLFW_GAMEPAD_AXIS_LEFT_TRIGGER &&
                  pad::axisCount == GLFW_GAMEPAD_AXIS_LAST + 1,
              "gamepad axes must match GLFW's");

static_assert(GLFW_KEY_LAST < 349, "key state cache too small");

GlfwInput::GlfwInput(GLFWwindow* window) : window(window) {
    glfwSetWindowUserPointer(window, this);
    glfwSetCursorEnterCallback(window, [](GLFWwindow* entered, int inside) {
        if (inside == GLFW_TRUE) {
            static_cast<GlfwInput*>(glfwGetWindowUserPointer(entered))->captureSettling = true;
        }
    });
    newFrame();
}

GlfwInput::~GlfwInput() {
    glfwSetCursorEnterCallback(window, nullptr);
    glfwSetWindowUserPointer(window, nullptr);
}

void GlfwInput::newFrame() {
    keyStates.fill(-1);
    readGamepad();
}

void GlfwInput::readGamepad() {
    pad = GamepadState{};
    for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_LAST; ++joystick) {
        GLFWgamepadstate state;
        if (glfwJoystickIsGamepad(joystick) == GLFW_TRUE &&
            glfwGetGamepadState(joystick, &state) == GLFW_TRUE) {
            pad.connected = true;
            for (std::size_t i = 0; i < pad.buttons.size(); ++i) {
                pad.buttons[i] = state.buttons[i] == GLFW_PRESS;
            }
            for (std::size_t i = 0; i < pad.axes.size(); ++i) {
                pad.axes[i] = state.axes[i];
            }
            return;
        }
    }
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

glm::dvec2 GlfwInput::getCursorPosition() {
    const glm::dvec2 raw = rawCursorPosition();
    if (!cursorDisabled) {
        return raw;
    }
    if (captureSettling) {
        captureSettling = false;
    } else {
        virtualPosition += raw - lastRaw;
    }
    lastRaw = raw;
    return virtualPosition;
}

void GlfwInput::setCursorPosition(glm::dvec2 position) {
    if (cursorDisabled) {
        virtualPosition = position;
        lastRaw = rawCursorPosition();
    } else {
        glfwSetCursorPos(window, position.x, position.y);
    }
}

void GlfwInput::disableCursor() {
    if (!cursorDisabled) {
        virtualPosition = rawCursorPosition();
    }
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    // The pointer is confined to the window and put back to its centre only once a
    // frame, so a fast turn would stop at the window's edge; raw motion has no edge.
    if (glfwRawMouseMotionSupported() == GLFW_TRUE) {
        glfwSetInputMode(window, GLFW_RAW_MOUSE_MOTION, GLFW_TRUE);
    }
    cursorDisabled = true;
    captureSettling = true;
}

void GlfwInput::enableCursor() {
    if (!cursorDisabled) {
        return;
    }
    glfwSetInputMode(window, GLFW_RAW_MOUSE_MOTION, GLFW_FALSE);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    cursorDisabled = false;
    captureSettling = false;
}

bool GlfwInput::isMouseButtonDown(int button) const {
    return glfwGetMouseButton(window, button) == GLFW_PRESS;
}

} // namespace Vexmor::platform
