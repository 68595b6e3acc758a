#include "gameobject/WallSteering.h"

#include "engine/Degrees.h"

#include <glm/geometric.hpp>

#include <cmath>

namespace Vexmor::gameobject {

namespace {

// A walk within 45 degrees of head on goes more into the frame than along it: that is
// walking at the doorway. One further off means to go along the wall.
const float headOn = std::cos(engine::radians(45.0f));
// A contact normal within 60 degrees of the frame's is on its face or the rounded corner
// at the opening, not on a jamb's side inside the doorway.
constexpr float onFace = 0.5f;
// Guidance stops a little inside the clear width, so the body does not hang on the corner
// and a closed leaf does not rock it from side to side about the middle.
constexpr float clearMargin = 0.05f;

} // namespace

glm::vec2 guideIntoDoorway(const glm::vec2& push, const glm::vec2& position, float radius,
                           const physics::WallContact& wall) {
    if (wall.doorway == nullptr) {
        return push;
    }
    const physics::Doorway& doorway = *wall.doorway;
    const float strength = glm::length(push);
    // The frame's face on the body's side, pointing at the body.
    const glm::vec2 face =
        glm::dot(wall.out, doorway.through) >= 0.0f ? doorway.through : -doorway.through;
    if (strength == 0.0f || glm::dot(wall.out, face) < onFace ||
        glm::dot(push, -face) < headOn * strength) {
        return push;
    }
    const glm::vec2 across(-doorway.through.y, doorway.through.x);
    const float aside = glm::dot(position - doorway.middle, across);
    const float clear = physics::Doorway::halfOpening - radius - clearMargin;
    // Up to the jamb's outer edge, where the body may still lean on it.
    const float reach = physics::Doorway::halfOpening + physics::Doorway::jambWidth + radius;
    if (std::abs(aside) <= clear || std::abs(aside) > reach) {
        return push;
    }
    return across * (aside > 0.0f ? -strength : strength);
}

glm::vec2 steerPush(glm::vec2 push, const glm::vec2& position, float radius,
                    const std::vector<physics::WallContact>& walls) {
    for (const physics::WallContact& wall : walls) {
        const glm::vec2 guided = guideIntoDoorway(push, position, radius, wall);
        if (guided != push) {
            push = guided;
            break;
        }
    }
    for (const physics::WallContact& wall : walls) {
        const float into = push.x * wall.out.x + push.y * wall.out.y;
        if (into < 0.0f) {
            push -= into * wall.out;
        }
    }
    return push;
}

} // namespace Vexmor::gameobject
