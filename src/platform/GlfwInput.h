#pragma once

#include "platform/Input.h"

#include <glm/vec2.hpp>

#include <array>

struct GLFWwindow;

namespace Vexmor::platform {

// Keyboard and mouse of a GLFW window.
class GlfwInput : public Input {
public:
    explicit GlfwInput(GLFWwindow* window);

    bool isKeyDown(int key) const override;
    glm::ivec2 getCursorPosition() override;
    void setCursorPosition(glm::ivec2 position) override;
    void disableCursor() override;
    void enableCursor() override;
    bool isMouseButtonDown(int button) const override;

    // Called after each event poll: key states are read afresh from then on.
    void newFrame();

private:
    glm::dvec2 rawCursorPosition() const;

    GLFWwindow* window;
    // Each key is read from GLFW once a frame: with sticky keys a second read in the same
    // frame would see a short tap already released, and code polling a key twice (the
    // shell's release rule) would miss it.
    static constexpr int keyCount = 349;
    mutable std::array<signed char, keyCount> keyStates{};
    bool cursorDisabled = false;
    // While captured, the cursor is virtual: putting it somewhere shifts this offset
    // instead of warping the pointer, which GLFW ignores for unfocused windows.
    glm::dvec2 offset{0.0, 0.0};
    // Right after capture GLFW reports a position unrelated to the one just set; the
    // first read then returns the set position so no turn is invented.
    bool captureSettling = false;
    glm::dvec2 settledPosition{0.0, 0.0};
};

} // namespace Vexmor::platform
