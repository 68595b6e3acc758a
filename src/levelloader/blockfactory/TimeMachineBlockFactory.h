#pragma once

#include "levelloader/blockfactory/BlockFactory.h"

namespace Vexmor::levelloader::blockfactory {

// "timemachine x y z [orientation]": the level's goal.
class TimeMachineBlockFactory : public BlockFactory {
public:
    TimeMachineBlockFactory();

protected:
    std::unique_ptr<BlockObject> doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                          const Tokens& params,
                                          const ParseContext& context) override;
};

} // namespace Vexmor::levelloader::blockfactory
