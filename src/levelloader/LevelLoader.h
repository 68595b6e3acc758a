#pragma once

#include "levelloader/BlockRegistry.h"
#include "levelloader/LevelData.h"
#include "levelloader/LevelSink.h"
#include "levelloader/TextFileReader.h"

#include <glm/vec3.hpp>

#include <iostream>
#include <string>

namespace Vexmor::levelloader {

// The size of a level and where its player starts.
struct LevelHeader {
    std::int32_t xDim = 0;
    std::int32_t yDim = 0;
    std::int32_t zDim = 0;
    glm::vec3 playerStart{0.0f, 0.0f, 0.0f};
};

// Reads a level file: the three dimensions, the player's start, then one tag line per
// non-wall cell or item. Cells nobody names are walls; walls facing open cells get panels.
class LevelLoader : public TextFileReader {
public:
    // The largest level, in cells, that loads; a file asking for more is refused. Far
    // beyond any real level, yet its grid is built and walked in well under a second.
    static constexpr std::int64_t maxCells = std::int64_t(1) << 22;

    explicit LevelLoader(const std::string& path);

    // The complete level, or the process ends with the file's fault (status 5).
    LevelData loadLevel();

    // The parse without building anything itself: what the file describes goes to the
    // sink, warnings to `out`. False on a fatal fault, whose message is then in `error`.
    bool parse(LevelSink& sink, LevelHeader& header, std::string& error,
               std::ostream& out = std::cout);

    // Ends the process on a corrupt level: message, pause, status 5.
    [[noreturn]] void fail(const std::string& message);

    // The one-based line a warning printed now is about: the line read last, or while the
    // items are placed at the end of the file, the item's own line.
    std::int32_t warningLine() const;

private:
    void readDimensions(LevelHeader& header);
    void readPlayer(LevelHeader& header);
    void readTagLines(BlockGrid& grid, std::ostream& out);
    void placeItems(const BlockGrid& grid, LevelSink& sink, std::ostream& out);
    static void buildCells(BlockGrid& grid, LevelSink& sink);

    BlockRegistry registry;
    // The line of the item being placed; 0 at any other time.
    std::int32_t itemLine = 0;
};

} // namespace Vexmor::levelloader
