#pragma once

#include "levelloader/item_factory/ItemFactory.h"

namespace Vexmor::levelloader::item_factory {

// "ball x y z": a ball in each era.
class BallFactory : public ItemFactory {
public:
    BallFactory();

protected:
    std::unique_ptr<Item> doCreate(const Tokens& params, std::int32_t x, std::int32_t y,
                                   std::int32_t z, const ParseContext& context) override;
};

} // namespace Vexmor::levelloader::item_factory
