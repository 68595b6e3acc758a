#include "levelloader/blockfactory/StairFactory.h"

#include "levelloader/StairBlock.h"

namespace Vexmor::levelloader::blockfactory {

StairFactory::StairFactory() : BlockFactory("stair", 4) {}

std::unique_ptr<BlockObject> StairFactory::doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                                    const Tokens& params,
                                                    const ParseContext& context) {
    return std::make_unique<StairBlock>(x, y, z, optionalParam(params, 4, context),
                                        optionalParam(params, 5, context),
                                        optionalParam(params, 6, context));
}

} // namespace Vexmor::levelloader::blockfactory
