#pragma once

#include <cstdint>

namespace Vexmor::physics {

// Attached to a body as Bullet's user pointer so that a contact can tell whose body it
// touched. Block bodies carry none, except a door's frame and swinging leaf.
struct BodyTag {
    static constexpr std::int32_t gameObject = 0;
    static constexpr std::int32_t player = 1;
    static constexpr std::int32_t doorway = 2;

    std::int32_t kind;
    // The GameObject (kind 0), the Player (kind 1) or the door's Doorway (kind 2); not owned.
    const void* owner;
};

} // namespace Vexmor::physics
