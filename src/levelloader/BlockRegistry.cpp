#include "levelloader/BlockRegistry.h"

#include "levelloader/blockfactory/AirFactory.h"
#include "levelloader/blockfactory/DoorFactory.h"
#include "levelloader/blockfactory/StairFactory.h"
#include "levelloader/blockfactory/TimeMachineBlockFactory.h"
#include "levelloader/item_factory/BallFactory.h"

#include <utility>

namespace Vexmor::levelloader {

BlockRegistry::BlockRegistry() {
    blockFactories.push_back(std::make_unique<blockfactory::AirFactory>());
    blockFactories.push_back(std::make_unique<blockfactory::StairFactory>());
    blockFactories.push_back(std::make_unique<blockfactory::DoorFactory>());
    blockFactories.push_back(std::make_unique<blockfactory::TimeMachineBlockFactory>());
    itemFactories.push_back(std::make_unique<item_factory::BallFactory>());
}

bool BlockRegistry::place(const Tokens& tokens, BlockGrid& grid, const ParseContext& context) {
    const std::string& tag = tokens.front();
    for (const auto& factory : blockFactories) {
        if (!factory->handles(tag)) {
            continue;
        }
        std::unique_ptr<BlockObject> block = factory->create(tokens, context);
        if (!block) {
            return true;
        }
        if (!grid.contains(block->x, block->y, block->z)) {
            context.out << "[Warn] LevelLoader: Block '" << tag << "' lies outside the level at "
                        << block->x << "|" << block->y << "|" << block->z << std::endl;
        } else if (grid.at(block->x, block->y, block->z) != nullptr) {
            context.out << "[Warn] LevelLoader: Block '" << tag
                        << "' would override another Block at " << block->x << "|" << block->y
                        << "|" << block->z << std::endl;
        } else {
            grid.put(std::move(block));
        }
        return true;
    }
    for (const auto& factory : itemFactories) {
        if (!factory->handles(tag)) {
            continue;
        }
        if (std::unique_ptr<Item> item = factory->create(tokens, context)) {
            items.push_back({std::move(item), tag, context.numbers.line()});
        }
        return true;
    }
    return false;
}

std::vector<PendingItem> BlockRegistry::takeItems() {
    return std::exchange(items, {});
}

} // namespace Vexmor::levelloader
