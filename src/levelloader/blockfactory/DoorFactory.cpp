#include "levelloader/blockfactory/DoorFactory.h"

#include "levelloader/DoorBlock.h"

namespace Vexmor::levelloader::blockfactory {

DoorFactory::DoorFactory() : BlockFactory("door", 4) {}

std::unique_ptr<BlockObject> DoorFactory::doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                                   const Tokens& params,
                                                   const ParseContext& context) {
    // Read left to right, so a line's first fault is the one reported.
    const int orientation = orientationParam(name, params, context);
    const int kind = choiceParam(name, params, 5, 2, "door kind", context);
    return std::make_unique<DoorBlock>(x, y, z, orientation, kind);
}

} // namespace Vexmor::levelloader::blockfactory
