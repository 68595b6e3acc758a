#pragma once

#include <glm/mat4x4.hpp>

namespace Vexmor::screen {

// The camera's view: 45 degrees high from 0.1 to 30 units, as wide as the framebuffer's
// aspect makes it. A wider window sees more to the sides, never less above and below.
class ViewFrustum {
public:
    static constexpr float nearDistance = 0.1f;
    static constexpr float farDistance = 30.0f;
    static constexpr float halfAngleDegrees = 22.5f;
    // The aspect the game was made at (1024 x 768).
    static constexpr float startAspect = 1.3333334f;

    explicit ViewFrustum(float aspect = startAspect);
    // The aspect of a framebuffer of this size; the start aspect when it has none (a
    // minimised window).
    static float aspectOf(int width, int height);

    float getAspect() const { return aspect; }
    // Half the view's height and width at one unit in front of the eye.
    float halfHeightSlope() const;
    float halfWidthSlope() const { return halfHeightSlope() * aspect; }
    glm::mat4 projection() const;
    // The light's view: the same height, square.
    static glm::mat4 lightProjection();

private:
    float aspect;
};

} // namespace Vexmor::screen
