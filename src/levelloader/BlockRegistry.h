#pragma once

#include "levelloader/BlockGrid.h"
#include "levelloader/LevelSink.h"
#include "levelloader/ParseContext.h"
#include "levelloader/blockfactory/BlockFactory.h"
#include "levelloader/item_factory/ItemFactory.h"

#include <memory>
#include <vector>

namespace Vexmor::levelloader {

// Hands each tag line to the first factory that knows its tag: blocks go into their grid
// cell (first come, first served), items go to the sink at once.
class BlockRegistry {
public:
    BlockRegistry();

    // False when no factory knows the line's tag.
    bool place(const Tokens& tokens, BlockGrid& grid, LevelSink& sink, const ParseContext& context);

private:
    std::vector<std::unique_ptr<blockfactory::BlockFactory>> blockFactories;
    std::vector<std::unique_ptr<item_factory::ItemFactory>> itemFactories;
};

} // namespace Vexmor::levelloader
