#pragma once

#include "levelloader/LevelData.h"

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <cstdint>

namespace Vexmor::levelloader {

// Era codes the blocks hand to the objects they build.
constexpr int brightEra = 0;
constexpr int darkEra = 1;

// What one tag line of a level describes, at its grid cell, between parsing and level
// set-up: it builds both eras' objects and bodies when asked and owns none of them.
class BlockAlignedObject {
public:
    BlockAlignedObject(std::int32_t x, std::int32_t y, std::int32_t z);
    virtual ~BlockAlignedObject() = default;
    BlockAlignedObject(const BlockAlignedObject&) = delete;
    BlockAlignedObject& operator=(const BlockAlignedObject&) = delete;

    virtual ObjectList darkObjects() = 0;
    virtual ObjectList brightObjects() = 0;
    virtual BodyList brightBodies() = 0;
    virtual BodyList darkBodies() = 0;
    virtual InteractableList darkInteractables();
    virtual InteractableList brightInteractables();
    // Appends what the block builds to the level, dark era before bright.
    virtual void addToLevel(LevelData& level);
    // Turned about its vertical axis by the orientation, then moved to the cell centre.
    virtual glm::mat4 blockTransform(int orientation) const;
    // Quarter turns about the up axis, one per step of the orientation.
    virtual glm::mat4 orientationRotation(int orientation) const;

    // The centre of the cell in world units.
    glm::vec3 centre() const;
    // The body turn about the up axis for an orientation, in radians.
    static float orientationAngle(int orientation);
    // The orientation as 0 to 3 quarter turns: modulo 4, so -1 is 3 and 7 is 3. The
    // drawing and the body both turn by it, so they never disagree.
    static int quarterTurns(int orientation);

    const std::int32_t x;
    const std::int32_t y;
    const std::int32_t z;
};

} // namespace Vexmor::levelloader
