#pragma once

#include "levelloader/BlockObject.h"

namespace Vexmor::levelloader {

// Empty space: builds nothing, but opens the faces of the walls around it.
class Air : public BlockObject {
public:
    using BlockObject::BlockObject;

    ObjectList darkObjects() override;
    ObjectList brightObjects() override;
    BodyList brightBodies() override;
    BodyList darkBodies() override;
};

} // namespace Vexmor::levelloader
