#include "autoplay/Steering.h"

#include <algorithm>
#include <cmath>
#include <glm/common.hpp>

namespace Vexmor::autoplay {

namespace {

constexpr float feetSlack = 0.1f;

// The view's yaw that looks along a direction: 0 looks toward -z, 90 toward -x.
float yawOf(const glm::vec2& direction) {
    return std::atan2(-direction.x, -direction.y) * 57.2957795f;
}

} // namespace

glm::vec3 cellCentre(levelcheck::Cell cell) {
    return glm::vec3(cell) * cellSize + glm::vec3(cellSize / 2.0f);
}

glm::vec2 flat(const glm::vec3& point) {
    return {point.x, point.z};
}

levelcheck::Cell cellOf(const glm::vec3& point) {
    return glm::ivec3(glm::floor(point / cellSize));
}

levelcheck::Cell cellOfBody(const glm::vec3& bodyCentre) {
    return cellOf({bodyCentre.x, bodyCentre.y - bodyHalfHeight + feetSlack, bodyCentre.z});
}

float turnToward(const glm::vec2& forward, const glm::vec2& toward) {
    float degrees = yawOf(toward) - yawOf(forward);
    while (degrees > 180.0f) {
        degrees -= 360.0f;
    }
    while (degrees <= -180.0f) {
        degrees += 360.0f;
    }
    return degrees;
}

int mousePixels(float degrees, int limit) {
    // The game reads a move to the left as a turn to the left.
    const int pixels = static_cast<int>(std::lround(-degrees / degreesPerPixel));
    return std::clamp(pixels, -limit, limit);
}

} // namespace Vexmor::autoplay
