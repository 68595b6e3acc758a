#pragma once

#include <glm/vec3.hpp>

namespace Vexmor::gameobject {

// Where the player aims to use something: a flat rectangle (a door's leaf), aimed at dead on
// wherever the line of sight passes through it and otherwise by its centre. Without extent it
// is a point.
struct AimArea {
    glm::vec3 centre;
    // From the centre to the middle of a side edge, and to the middle of the top edge.
    glm::vec3 halfWidth{0.0f};
    glm::vec3 halfHeight{0.0f};
};

// Something the player can use: the level asks whether the probe point in front of the
// player reaches it and whether the player faces it, and uses the one he faces most
// directly on a fresh press of the use key.
class Interactable {
public:
    virtual ~Interactable() = default;

    virtual bool isInRange(const glm::vec3& point) = 0;
    // Whether the eye is so close that the player stands against it, where the probe point
    // may already have passed it: then it is in reach as well.
    virtual bool isAgainst(const glm::vec3& /*eye*/) { return false; }
    // Whether the player, out of reach, would reach it from where it is used: it answers
    // from one side only and he stands at another.
    virtual bool wantsOtherSide(const glm::vec3& /*eye*/, const glm::vec3& /*probe*/) {
        return false;
    }
    virtual void interact() = 0;
    // Where the player aims to use it, in world space.
    virtual glm::vec3 getCentre() = 0;
    // The centre alone, unless there is more of it to aim at.
    virtual AimArea getAimArea() { return {getCentre()}; }
    // Whether the last use was refused, as a locked door refuses it; the level then
    // shows why.
    virtual bool refusedUse() const { return false; }
};

} // namespace Vexmor::gameobject
