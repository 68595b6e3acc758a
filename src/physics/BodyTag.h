#pragma once

#include <cstdint>

namespace Vexmor::physics {

// Attached to a body as Bullet's user pointer so that a contact can tell whose body it
// touched. Block bodies carry none.
struct BodyTag {
    static constexpr std::int32_t gameObject = 0;
    static constexpr std::int32_t player = 1;

    std::int32_t kind;
    // The GameObject (kind 0) or the Player (kind 1); not owned.
    void* owner;
};

} // namespace Vexmor::physics
