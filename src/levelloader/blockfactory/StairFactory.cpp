#include "levelloader/blockfactory/StairFactory.h"

#include "levelloader/StairBlock.h"

namespace Vexmor::levelloader::blockfactory {

StairFactory::StairFactory() : BlockFactory("stair", 4) {}

std::unique_ptr<BlockObject> StairFactory::doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                                    const Tokens& params,
                                                    const ParseContext& context) {
    // Read left to right, so a line's first fault is the one reported.
    const int orientation = orientationParam(name, params, context);
    const int condition = choiceParam(name, params, 5, 4, "stair condition", context);
    const std::int32_t withBlock = optionalParam(params, 6, context);
    return std::make_unique<StairBlock>(x, y, z, orientation, condition, withBlock);
}

} // namespace Vexmor::levelloader::blockfactory
