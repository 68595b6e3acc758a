#include "screen/ViewFrustum.h"

#include "engine/Degrees.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace Vexmor::screen {

ViewFrustum::ViewFrustum(float aspect, float fieldOfViewDegrees)
    : aspect(aspect), fieldOfViewDegrees(fieldOfViewDegrees) {}

float ViewFrustum::aspectOf(int width, int height) {
    if (width <= 0 || height <= 0) {
        return startAspect;
    }
    return static_cast<float>(width) / static_cast<float>(height);
}

float ViewFrustum::halfHeightSlope() const {
    return std::tan(engine::radians(fieldOfViewDegrees * 0.5f));
}

glm::mat4 ViewFrustum::projection() const {
    const float top = halfHeightSlope() * nearDistance;
    const float right = top * aspect;
    return glm::frustum(-right, right, -top, top, nearDistance, farDistance);
}

glm::mat4 ViewFrustum::lightProjection() {
    const float t = std::tan(engine::radians(lampHalfAngleDegrees)) * nearDistance;
    return glm::frustum(-t, t, -t, t, nearDistance, farDistance);
}

} // namespace Vexmor::screen
