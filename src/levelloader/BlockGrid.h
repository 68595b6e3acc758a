#pragma once

#include "levelloader/BlockObject.h"

#include <boost/multi_array.hpp>

#include <cstdint>
#include <memory>
#include <vector>

namespace Vexmor::levelloader {

// The level's cells while it loads: which block sits where. Owns the blocks.
class BlockGrid {
public:
    BlockGrid(std::int32_t xDim, std::int32_t yDim, std::int32_t zDim);

    bool contains(std::int32_t x, std::int32_t y, std::int32_t z) const;
    // Null for a cell nobody named (or outside).
    BlockObject* at(std::int32_t x, std::int32_t y, std::int32_t z) const;
    // Stores the block in its cell, which must lie inside and be empty.
    void put(std::unique_ptr<BlockObject> block);

    const std::int32_t xDim;
    const std::int32_t yDim;
    const std::int32_t zDim;

private:
    boost::multi_array<BlockObject*, 3> cells;
    std::vector<std::unique_ptr<BlockObject>> blocks;
};

} // namespace Vexmor::levelloader
