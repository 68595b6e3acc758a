#pragma once

#include <glm/mat4x4.hpp>

namespace Vexmor::screen {

// The camera's view: a field of view high (45 degrees unless the player chose another) from
// 0.1 to 30 units, as wide as the framebuffer's aspect makes it. A wider window sees more to
// the sides, never less above and below.
class ViewFrustum {
public:
    static constexpr float nearDistance = 0.1f;
    static constexpr float farDistance = 30.0f;
    static constexpr float startFieldOfViewDegrees = 45.0f;
    // The aspect the game was made at (1024 x 768).
    static constexpr float startAspect = 1.3333334f;
    // The head lamp's frustum is square and keeps its 45 degrees whatever the view: the
    // level shader's cone is made for it.
    static constexpr float lampHalfAngleDegrees = 22.5f;

    explicit ViewFrustum(float aspect = startAspect,
                         float fieldOfViewDegrees = startFieldOfViewDegrees);
    // The aspect of a framebuffer of this size; the start aspect when it has none (a
    // minimised window).
    static float aspectOf(int width, int height);

    float getAspect() const { return aspect; }
    float getFieldOfViewDegrees() const { return fieldOfViewDegrees; }
    // Half the view's height and width at one unit in front of the eye.
    float halfHeightSlope() const;
    float halfWidthSlope() const { return halfHeightSlope() * aspect; }
    glm::mat4 projection() const;
    // The lamp's view, which the shadow map is drawn from.
    static glm::mat4 lightProjection();

private:
    float aspect;
    float fieldOfViewDegrees;
};

} // namespace Vexmor::screen
