#include "levelloader/BlockGrid.h"

namespace Vexmor::levelloader {

BlockGrid::BlockGrid(std::int32_t xDim, std::int32_t yDim, std::int32_t zDim)
    : xDim(xDim), yDim(yDim), zDim(zDim), cells(boost::extents[xDim][yDim][zDim]) {
    std::fill_n(cells.data(), cells.num_elements(), nullptr);
}

bool BlockGrid::contains(std::int32_t x, std::int32_t y, std::int32_t z) const {
    return x >= 0 && y >= 0 && z >= 0 && x < xDim && y < yDim && z < zDim;
}

BlockObject* BlockGrid::at(std::int32_t x, std::int32_t y, std::int32_t z) const {
    return contains(x, y, z) ? cells[x][y][z] : nullptr;
}

void BlockGrid::put(std::unique_ptr<BlockObject> block) {
    cells[block->x][block->y][block->z] = block.get();
    blocks.push_back(std::move(block));
}

} // namespace Vexmor::levelloader
