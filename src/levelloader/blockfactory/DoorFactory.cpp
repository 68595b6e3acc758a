#include "levelloader/blockfactory/DoorFactory.h"

#include "levelloader/DoorBlock.h"

namespace Vexmor::levelloader::blockfactory {

DoorFactory::DoorFactory() : BlockFactory("door", 4) {}

std::unique_ptr<BlockObject> DoorFactory::doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                                   const Tokens& params,
                                                   const ParseContext& context) {
    return std::make_unique<DoorBlock>(x, y, z, optionalParam(params, 4, context),
                                       optionalParam(params, 5, context));
}

} // namespace Vexmor::levelloader::blockfactory
