#pragma once

#include "levelloader/BlockObject.h"

#include <cstdint>

namespace Vexmor::levelloader {

// Solid rock. Each face toward an open cell gets a panel (wall, floor or ceiling) in both
// eras, and a wall with any open face a box body; enclosed walls build nothing. Where the
// floor on top ends over a drop, that side gets a kerb.
class Wall : public BlockObject {
public:
    // Which neighbours are open.
    static constexpr std::uint8_t above = 0x01;
    static constexpr std::uint8_t below = 0x02;
    static constexpr std::uint8_t towardMinusX = 0x04;
    static constexpr std::uint8_t towardPlusX = 0x08;
    static constexpr std::uint8_t towardPlusZ = 0x10;
    static constexpr std::uint8_t towardMinusZ = 0x20;

    using BlockObject::BlockObject;

    bool isSolid() const override { return true; }
    bool isWall() const override { return true; }

    ObjectList darkObjects() override;
    ObjectList brightObjects() override;
    BodyList brightBodies() override;
    BodyList darkBodies() override;

    std::uint8_t openSides = 0;
    // Per era (indexed by its code): the sides, of the four toward x and z, where the floor
    // on top of this rock ends over a drop.
    std::uint8_t dropSides[2] = {0, 0};

private:
    ObjectList panels(int appearance) const;
    BodyList body() const;
};

} // namespace Vexmor::levelloader
