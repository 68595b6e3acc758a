#pragma once

#include <glm/vec3.hpp>

namespace Vexmor::gameobject {

// Something the player can use: the level asks whether the probe point in front of the
// player reaches it and whether the player faces its centre, and uses the one he faces
// most directly on a fresh press of the use key.
class Interactable {
public:
    virtual ~Interactable() = default;

    virtual bool isInRange(const glm::vec3& point) = 0;
    virtual void interact() = 0;
    // Where the player aims to use it, in world space.
    virtual glm::vec3 getCentre() = 0;
    // Whether the last use was refused, as a locked door refuses it; the level then
    // shows why.
    virtual bool refusedUse() const { return false; }
};

} // namespace Vexmor::gameobject
