#pragma once

#include "levelloader/blockfactory/BlockFactory.h"

namespace Vexmor::levelloader::blockfactory {

// "stair x y z [orientation [condition [with-block]]]".
class StairFactory : public BlockFactory {
public:
    StairFactory();

protected:
    std::unique_ptr<BlockObject> doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                          const Tokens& params,
                                          const ParseContext& context) override;
};

} // namespace Vexmor::levelloader::blockfactory
