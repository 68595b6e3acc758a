#include "screen/AimChoice.h"

#include "engine/Degrees.h"

#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace Vexmor::screen {

AimChoice::AimChoice(const glm::vec3& eye, const glm::vec3& forward)
    : eye(eye), forward(forward), chosen(180.0f) {}

bool AimChoice::offer(const glm::vec3& centre) {
    const float degrees = degreesOffView(eye, forward, centre);
    if (degrees > coneDegrees || degrees >= chosen) {
        return false;
    }
    chosen = degrees;
    return true;
}

float AimChoice::degreesOffView(const glm::vec3& eye, const glm::vec3& forward,
                                const glm::vec3& point) {
    const glm::vec3 towards = point - eye;
    const float lengths = glm::length(towards) * glm::length(forward);
    // The eye inside the point looks straight at it.
    if (lengths <= 0.0f) {
        return 0.0f;
    }
    const float cosine = std::clamp(glm::dot(towards, forward) / lengths, -1.0f, 1.0f);
    return std::acos(cosine) / engine::radiansPerDegree;
}

} // namespace Vexmor::screen
