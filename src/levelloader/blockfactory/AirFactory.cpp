#include "levelloader/blockfactory/AirFactory.h"

#include "levelloader/Air.h"

namespace Vexmor::levelloader::blockfactory {

AirFactory::AirFactory() : BlockFactory("air", 4) {}

std::unique_ptr<BlockObject> AirFactory::doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                                  const Tokens& /*params*/,
                                                  const ParseContext& /*context*/) {
    return std::make_unique<Air>(x, y, z);
}

} // namespace Vexmor::levelloader::blockfactory
