#pragma once

#include "levelloader/BlockObject.h"

#include <optional>

namespace Vexmor::levelloader {

// A stair whose condition decides, per era, whether it stands intact, lies in ruins or
// is missing; a ruined stair can only be climbed when it has a block under it.
class StairBlock : public BlockObject {
public:
    StairBlock(std::int32_t x, std::int32_t y, std::int32_t z, int orientation, int stairCondition,
               int withBlock);

    ObjectList darkObjects() override;
    ObjectList brightObjects() override;
    BodyList brightBodies() override;
    BodyList darkBodies() override;
    bool givesFootingIn(int era) const override;

    // The era's appearance code (0 bright, 1 dark, 2 bright ruined, 3 dark ruined), or
    // nothing where the era has no stair.
    static std::optional<int> appearance(int stairCondition, int era);

    const int stairCondition;
    const int orientation;
    const int withBlock;

private:
    ObjectList objects(int era) const;
    BodyList body(int era) const;
};

} // namespace Vexmor::levelloader
