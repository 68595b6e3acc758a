#pragma once

#include "levelloader/BlockAlignedObject.h"

namespace Vexmor::levelloader {

// A thing placed at a cell without occupying it; never stored in the grid.
class Item : public BlockAlignedObject {
public:
    using BlockAlignedObject::BlockAlignedObject;
};

} // namespace Vexmor::levelloader
