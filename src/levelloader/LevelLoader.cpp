#include "levelloader/LevelLoader.h"

#include "levelloader/LevelFormatError.h"
#include "levelloader/TokenNumbers.h"
#include "levelloader/Wall.h"
#include "platform/Console.h"

namespace Vexmor::levelloader {

namespace {

// The game's sink: every description builds its objects into the level at once.
class LevelDataSink : public LevelSink {
public:
    explicit LevelDataSink(LevelData& level) : level(level) {}

    void itemCreated(Item& item) override { item.addToLevel(level); }
    void blockCreated(BlockObject& block) override {
        block.addToLevel(level);
        if (!block.isSolid()) {
            level.openCells.emplace_back(block.x, block.y, block.z);
        }
    }

private:
    LevelData& level;
};

struct Neighbour {
    int dx;
    int dy;
    int dz;
    std::uint8_t flag;
};

// Checked in this order; each open neighbour opens one face of the wall.
constexpr Neighbour neighbours[] = {
    {-1, 0, 0, Wall::towardMinusX}, {1, 0, 0, Wall::towardPlusX}, {0, -1, 0, Wall::below},
    {0, 1, 0, Wall::above},         {0, 0, 1, Wall::towardPlusZ}, {0, 0, -1, Wall::towardMinusZ},
};

[[noreturn]] void fault(const char* message) {
    throw LevelFormatError(message);
}

} // namespace

LevelLoader::LevelLoader(const std::string& path) : TextFileReader(path.c_str()) {}

LevelData LevelLoader::loadLevel() {
    LevelData level;
    LevelDataSink sink(level);
    LevelHeader header;
    std::string error;
    if (!parse(sink, header, error)) {
        fail(error);
    }
    level.xDim = header.xDim;
    level.yDim = header.yDim;
    level.zDim = header.zDim;
    level.playerStart = header.playerStart;
    return level;
}

bool LevelLoader::parse(LevelSink& sink, LevelHeader& header, std::string& error,
                        std::ostream& out) {
    try {
        open();
        readDimensions(header);
        readPlayer(header);
        BlockGrid grid(header.xDim, header.yDim, header.zDim);
        readTagLines(grid, out);
        placeItems(grid, sink, out);
        buildCells(grid, sink);
        return true;
    } catch (const LevelFormatError& fatal) {
        close();
        error = fatal.what();
        return false;
    }
}

void LevelLoader::fail(const std::string& message) {
    close();
    std::cout << "[ERROR] Currupted Level file: " << message << std::endl;
    platform::pause();
    platform::exitWith(platform::ExitStatus::LevelFile);
}

void LevelLoader::readDimensions(LevelHeader& header) {
    const TokenNumbers numbers(*this);
    bool xSet = false;
    bool ySet = false;
    bool zSet = false;
    for (int line = 0; line < 3; ++line) {
        const auto tokens = nextTokens();
        if (!tokens) {
            fault("The first three tags must contain the dimensions of the map!");
        }
        const std::string& tag = tokens->front();
        std::int32_t* dimension = nullptr;
        bool* set = nullptr;
        if (tag == "xDim") {
            dimension = &header.xDim;
            set = &xSet;
        } else if (tag == "yDim") {
            dimension = &header.yDim;
            set = &ySet;
        } else if (tag == "zDim") {
            dimension = &header.zDim;
            set = &zSet;
        } else {
            fault("The first three tags must contain the dimensions of the map!");
        }
        if (tokens->size() != 2) {
            fault("A dimension tag must contain only one param!");
        }
        *dimension = numbers.toInt((*tokens)[1]);
        if (*dimension < 0) {
            fault("A dimension must not be negative!");
        }
        *set = true;
    }
    if (!xSet || !ySet || !zSet) {
        fault("Not all Dimensions are initialized!");
    }
    // Compared in two steps: the product of three dimensions can overflow 64 bits.
    const std::int64_t area = std::int64_t(header.xDim) * header.yDim;
    if (header.zDim != 0 && area > maxCells / header.zDim) {
        fault("The level is too large!");
    }
}

void LevelLoader::readPlayer(LevelHeader& header) {
    const auto tokens = nextTokens();
    if (!tokens || tokens->front() != "player") {
        fault("'player' must be the the 2nd argument!");
    }
    if (tokens->size() < 4) {
        fault("'player' needs three coordinates!");
    }
    const TokenNumbers numbers(*this);
    header.playerStart = {numbers.toFloat((*tokens)[1]), numbers.toFloat((*tokens)[2]),
                          numbers.toFloat((*tokens)[3])};
}

std::int32_t LevelLoader::warningLine() const {
    return itemLine > 0 ? itemLine : tokensLineNumber() + 1;
}

void LevelLoader::readTagLines(BlockGrid& grid, std::ostream& out) {
    const TokenNumbers numbers(*this);
    const ParseContext context{numbers, out};
    while (isOpen()) {
        const auto tokens = nextTokens();
        if (!registry.place(*tokens, grid, context)) {
            out << "Skipping unknown Token '" << tokens->front() << "'..." << std::endl;
        }
    }
}

// Items go first, in file order, but only into open cells: a ball beyond the walls would
// fall for ever, one in rock sticks inside it.
void LevelLoader::placeItems(const BlockGrid& grid, LevelSink& sink, std::ostream& out) {
    for (PendingItem& pending : registry.takeItems()) {
        const Item& item = *pending.item;
        itemLine = pending.line;
        const char* fault = !grid.contains(item.x, item.y, item.z)       ? "lies outside the level"
                            : grid.at(item.x, item.y, item.z) == nullptr ? "lies in rock"
                                                                         : nullptr;
        if (fault != nullptr) {
            out << "[Warn] LevelLoader: Item '" << pending.tag << "' in line " << pending.line
                << " " << fault << " at " << item.x << "|" << item.y << "|" << item.z << std::endl;
        } else {
            sink.itemCreated(*pending.item);
        }
    }
    itemLine = 0;
}

// Unnamed cells are walls. Only walls facing an open cell build anything, so only those
// are made; the rest of the rock stays implicit.
void LevelLoader::buildCells(BlockGrid& grid, LevelSink& sink) {
    // Without cells there is nothing to build, however long the other sides are; the
    // loops below would still walk them.
    if (grid.xDim == 0 || grid.yDim == 0 || grid.zDim == 0) {
        return;
    }
    const auto isOpen = [&grid](std::int32_t x, std::int32_t y, std::int32_t z) {
        const BlockObject* block = grid.at(x, y, z);
        return grid.contains(x, y, z) && block != nullptr && !block->isSolid();
    };
    // The sides where the floor on top of rock at x|y|z ends over a drop in an era: beside
    // it open at the rock's level and above, with nothing there to step onto. A stair
    // standing on the floor itself shows by its own sides where it ends.
    const auto dropSides = [&grid, &isOpen](std::int32_t x, std::int32_t y, std::int32_t z,
                                            int era) {
        std::uint8_t sides = 0;
        if (grid.at(x, y + 1, z)->givesFootingIn(era)) {
            return sides;
        }
        for (const Neighbour& n : neighbours) {
            const std::int32_t nx = x + n.dx;
            const std::int32_t nz = z + n.dz;
            if (n.dy == 0 && isOpen(nx, y, nz) && isOpen(nx, y + 1, nz) &&
                !grid.at(nx, y, nz)->givesFootingIn(era) &&
                !grid.at(nx, y + 1, nz)->givesFootingIn(era)) {
                sides |= n.flag;
            }
        }
        return sides;
    };
    for (std::int32_t x = 0; x < grid.xDim; ++x) {
        for (std::int32_t y = 0; y < grid.yDim; ++y) {
            for (std::int32_t z = 0; z < grid.zDim; ++z) {
                if (BlockObject* block = grid.at(x, y, z)) {
                    sink.blockCreated(*block);
                    continue;
                }
                std::uint8_t openSides = 0;
                for (const Neighbour& n : neighbours) {
                    if (isOpen(x + n.dx, y + n.dy, z + n.dz)) {
                        openSides |= n.flag;
                    }
                }
                if (openSides != 0) {
                    Wall wall(x, y, z);
                    wall.openSides = openSides;
                    if ((openSides & Wall::above) != 0) {
                        for (const int era : {brightEra, darkEra}) {
                            wall.dropSides[era] = dropSides(x, y, z, era);
                        }
                    }
                    sink.blockCreated(wall);
                }
            }
        }
    }
}

} // namespace Vexmor::levelloader
