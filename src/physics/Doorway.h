#pragma once

#include <glm/vec2.hpp>

namespace Vexmor::physics {

// A door block's opening as the player meets it, across the floor (x, z).
struct Doorway {
    // The frame's size, which its body is built to: the opening, each jamb beside it, and
    // how far from the cell's centre the frame stands.
    static constexpr float halfOpening = 0.6f;
    static constexpr float jambWidth = 0.65f;
    static constexpr float frameOffset = 1.2f;

    glm::vec2 middle;
    // Unit, square to the frame.
    glm::vec2 through;
};

// A wall a body touches: the horizontal direction out of it and, when it is a door's frame
// or leaf, the doorway it belongs to.
struct WallContact {
    glm::vec2 out;
    const Doorway* doorway = nullptr;
};

} // namespace Vexmor::physics
