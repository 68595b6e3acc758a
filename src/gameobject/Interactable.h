#pragma once

#include <glm/vec3.hpp>

namespace Vexmor::gameobject {

// Something the player can use: the level asks whether the probe point in front of the
// player reaches it, and uses the first that answers yes on a fresh press of the use key.
class Interactable {
public:
    virtual ~Interactable() = default;

    virtual bool isInRange(const glm::vec3& point) = 0;
    virtual void interact() = 0;
};

} // namespace Vexmor::gameobject
