#pragma once

#include "levelcheck/RouteSearch.h"

#include <glm/vec2.hpp>

#include <cstddef>
#include <vector>

namespace Vexmor::autoplay {

// One thing the autopilot does on its way: walk to a point, get a door open, switch the
// era or use the time machine.
struct Leg {
    enum class Kind { Walk, OpenDoor, SwitchEra, UseMachine };

    Kind kind = Kind::Walk;
    // The route's move this leg belongs to (0-based); the machine's leg comes after all.
    std::size_t move = 0;
    // Where the player stands once the leg is done.
    levelcheck::Place arrival{{0, 0, 0}, 0};
    // Walk: the point on the ground plane to reach.
    glm::vec2 target{0.0f};
    // Walk: how near the point counts as there. Precise legs also slow down for it.
    float tolerance = 0.3f;
    // OpenDoor: the door's cell, the middle of its doorway and the way through it.
    levelcheck::Cell door{0, 0, 0};
    glm::vec2 doorway{0.0f};
    glm::vec2 through{0.0f};
    // OpenDoor: the player opens it from the door's own cell, into which the leaf swings.
    bool leafSwingsToward = false;
};

// The route turned into legs: every move ends in the middle of the cell it reaches, so a
// turn happens in a cell's middle and a doorway or a stair is met straight on. A move
// through a door first gets the door open from the side the player is on.
std::vector<Leg> planCourse(const levelcheck::Route& route, const levelcheck::LevelLayout& layout);

} // namespace Vexmor::autoplay
