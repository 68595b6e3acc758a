#include "levelloader/item_factory/BallFactory.h"

#include "levelloader/BallItem.h"

namespace Vexmor::levelloader::item_factory {

BallFactory::BallFactory() : ItemFactory("ball", 4) {}

std::unique_ptr<Item> BallFactory::doCreate(const Tokens& /*params*/, std::int32_t x,
                                            std::int32_t y, std::int32_t z,
                                            const ParseContext& /*context*/) {
    return std::make_unique<BallItem>(x, y, z);
}

} // namespace Vexmor::levelloader::item_factory
