#include "screen/AimChoice.h"

#include "engine/Degrees.h"

#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace Vexmor::screen {

AimChoice::AimChoice(const glm::mat4& camera, const ViewFrustum& view)
    : eye(camera[3]), right(glm::normalize(glm::vec3(camera[0]))),
      up(glm::normalize(glm::vec3(camera[1]))), forward(-glm::normalize(glm::vec3(camera[2]))),
      halfWidth(view.halfWidthSlope()), halfHeight(view.halfHeightSlope()) {}

bool AimChoice::offer(const gameobject::AimArea& area) {
    float degrees = 0.0f;
    float distance = sightThrough(area);
    if (distance < 0.0f) {
        if (!insideCone(area.centre)) {
            return false;
        }
        degrees = degreesOffView(eye, forward, area.centre);
        distance = glm::length(area.centre - eye);
    }
    if (degrees > chosenDegrees || (degrees == chosenDegrees && distance >= chosenDistance)) {
        return false;
    }
    chosenDegrees = degrees;
    chosenDistance = distance;
    return true;
}

bool AimChoice::insideCone(const glm::vec3& point) const {
    const glm::vec3 towards = point - eye;
    const float ahead = glm::dot(towards, forward);
    // The eye inside the point looks straight at it.
    if (ahead <= 0.0f) {
        return glm::dot(towards, towards) == 0.0f;
    }
    const float across = glm::dot(towards, right) / (ahead * halfWidth);
    const float above = glm::dot(towards, up) / (ahead * halfHeight);
    return across * across + above * above <= 1.0f;
}

float AimChoice::sightThrough(const gameobject::AimArea& area) const {
    const glm::vec3 normal = glm::cross(area.halfWidth, area.halfHeight);
    const float facing = glm::dot(forward, normal);
    if (std::abs(facing) <= 1e-6f * glm::length(normal)) {
        return -1.0f;
    }
    const float distance = glm::dot(area.centre - eye, normal) / facing;
    // Nearer than the view's near plane nothing is drawn.
    if (distance < ViewFrustum::nearDistance) {
        return -1.0f;
    }
    const glm::vec3 offset = eye + forward * distance - area.centre;
    const float along = glm::dot(offset, area.halfWidth) / glm::dot(area.halfWidth, area.halfWidth);
    const float upward =
        glm::dot(offset, area.halfHeight) / glm::dot(area.halfHeight, area.halfHeight);
    return std::abs(along) <= 1.0f && std::abs(upward) <= 1.0f ? distance : -1.0f;
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
