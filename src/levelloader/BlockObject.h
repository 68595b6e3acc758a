#pragma once

#include "levelloader/BlockAlignedObject.h"

namespace Vexmor::levelloader {

// A block that occupies its grid cell.
class BlockObject : public BlockAlignedObject {
public:
    using BlockAlignedObject::BlockAlignedObject;

    // Asked of a neighbour: does it close the wall's face?
    virtual bool isSolid() const { return false; }
    // Asked of the cell itself: does it get panels on its open faces?
    virtual bool isWall() const { return false; }
    // Asked of a neighbour of a floor's edge: does the cell hold something in that era a
    // player steps onto from the floor beside it, so the edge is no drop?
    virtual bool givesFootingIn(int /*era*/) const { return false; }
};

} // namespace Vexmor::levelloader
