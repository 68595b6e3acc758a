#pragma once

#include "platform/Input.h"

#include <glm/vec2.hpp>

#include <array>

struct GLFWwindow;

namespace Vexmor::platform {

// Keyboard and mouse of a GLFW window, and the first gamepad GLFW knows.
class GlfwInput : public Input {
public:
    explicit GlfwInput(GLFWwindow* window);
    ~GlfwInput();
    GlfwInput(const GlfwInput&) = delete;
    GlfwInput& operator=(const GlfwInput&) = delete;

    bool isKeyDown(int key) const override;
    glm::dvec2 getCursorPosition() override;
    void setCursorPosition(glm::dvec2 position) override;
    void disableCursor() override;
    void enableCursor() override;
    bool isMouseButtonDown(int button) const override;
    GamepadState gamepad() const override { return pad; }

    // Called after each event poll: key states are read afresh from then on, the gamepad
    // once now.
    void newFrame();

private:
    glm::dvec2 rawCursorPosition() const;
    // A pad plugged in during play is found on the next frame.
    void readGamepad();

    GLFWwindow* window;
    // Each key is read from GLFW once a frame: with sticky keys a second read in the same
    // frame would see a short tap already released, and code polling a key twice (the
    // shell's release rule) would miss it.
    static constexpr int keyCount = 349;
    mutable std::array<signed char, keyCount> keyStates{};
    GamepadState pad;
    bool cursorDisabled = false;
    // While captured, the cursor is virtual: putting it somewhere moves this position
    // instead of warping the pointer, which GLFW ignores for unfocused windows. Reads add
    // the pointer's motion since the last look, so a position just put reads back exactly.
    glm::dvec2 virtualPosition{0.0, 0.0};
    glm::dvec2 lastRaw{0.0, 0.0};
    // Right after capture GLFW reports a position unrelated to the one just set, and when
    // the pointer enters the window GLFW puts its position where the pointer crossed in,
    // which can be long after capture on an unfocused or busy window: the next read then
    // takes GLFW's position as the new start, so no turn is invented.
    bool captureSettling = false;
};

} // namespace Vexmor::platform
