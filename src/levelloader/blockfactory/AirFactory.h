#pragma once

#include "levelloader/blockfactory/BlockFactory.h"

namespace Vexmor::levelloader::blockfactory {

// "air x y z": empty space.
class AirFactory : public BlockFactory {
public:
    AirFactory();

protected:
    std::unique_ptr<BlockObject> doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                          const Tokens& params,
                                          const ParseContext& context) override;
};

} // namespace Vexmor::levelloader::blockfactory
