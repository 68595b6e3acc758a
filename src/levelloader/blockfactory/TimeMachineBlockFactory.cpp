#include "levelloader/blockfactory/TimeMachineBlockFactory.h"

#include "levelloader/TimeMachineBlock.h"

namespace Vexmor::levelloader::blockfactory {

TimeMachineBlockFactory::TimeMachineBlockFactory() : BlockFactory("timemachine", 4) {}

std::unique_ptr<BlockObject> TimeMachineBlockFactory::doCreate(std::int32_t x, std::int32_t y,
                                                               std::int32_t z, const Tokens& params,
                                                               const ParseContext& context) {
    return std::make_unique<TimeMachineBlock>(x, y, z, orientationParam(name, params, context));
}

} // namespace Vexmor::levelloader::blockfactory
