#pragma once

#include "levelloader/BlockGrid.h"
#include "levelloader/ParseContext.h"
#include "levelloader/blockfactory/BlockFactory.h"
#include "levelloader/item_factory/ItemFactory.h"

#include <memory>
#include <string>
#include <vector>

namespace Vexmor::levelloader {

// An item line, kept until every block is known: only then can it tell rock from an
// open cell.
struct PendingItem {
    std::unique_ptr<Item> item;
    std::string tag;
    // One-based, as the warnings name it.
    std::int32_t line;
};

// Hands each tag line to the first factory that knows its tag: blocks go into their grid
// cell (first come, first served), items wait in file order for the grid to be complete.
class BlockRegistry {
public:
    BlockRegistry();

    // False when no factory knows the line's tag.
    bool place(const Tokens& tokens, BlockGrid& grid, const ParseContext& context);
    // The items read so far, in file order; the registry keeps none of them.
    std::vector<PendingItem> takeItems();

private:
    std::vector<std::unique_ptr<blockfactory::BlockFactory>> blockFactories;
    std::vector<std::unique_ptr<item_factory::ItemFactory>> itemFactories;
    std::vector<PendingItem> items;
};

} // namespace Vexmor::levelloader
