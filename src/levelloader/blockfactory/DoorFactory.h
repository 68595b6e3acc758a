#pragma once

#include "levelloader/blockfactory/BlockFactory.h"

namespace Vexmor::levelloader::blockfactory {

// "door x y z [orientation [kind]]".
class DoorFactory : public BlockFactory {
public:
    DoorFactory();

protected:
    std::unique_ptr<BlockObject> doCreate(std::int32_t x, std::int32_t y, std::int32_t z,
                                          const Tokens& params,
                                          const ParseContext& context) override;
};

} // namespace Vexmor::levelloader::blockfactory
