#pragma once

#include "physics/Doorway.h"

#include <glm/vec2.hpp>

#include <vector>

namespace Vexmor::gameobject {

// One sub-step's horizontal push for a round body of `radius` at `position` (x, z), turned
// by the walls it touches. A push that meets a doorway's jamb (or an open leaf) nearly head
// on is turned toward the opening, as a corner is rounded, until the body is clear of the
// jamb; then the push never goes into any wall touched, so the body slides along instead of
// pressing in, where the wall's friction would hold it.
glm::vec2 steerPush(glm::vec2 push, const glm::vec2& position, float radius,
                    const std::vector<physics::WallContact>& walls);

// The push turned toward the doorway's opening, or the push itself when the contact is not
// a doorway's face met nearly head on from beside the opening.
glm::vec2 guideIntoDoorway(const glm::vec2& push, const glm::vec2& position, float radius,
                           const physics::WallContact& wall);

} // namespace Vexmor::gameobject
