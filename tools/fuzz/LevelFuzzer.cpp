// Feeds arbitrary bytes to the level parser as the content of a level file. The file is an
// anonymous memory file, rewritten for each input and named by its /proc/self/fd path, so
// the real file reader runs and nothing is left behind. Besides the sanitizers' verdicts,
// a parse that succeeds must describe only cells inside the level, in x, y, z order.
#include "NullStream.h"

#include "levelloader/BlockObject.h"
#include "levelloader/Item.h"
#include "levelloader/LevelLoader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

using namespace Vexmor::levelloader;

namespace {

class MemoryFile {
public:
    MemoryFile() : fd(memfd_create("vexmor-fuzz-level", 0)) {
        if (fd < 0) {
            std::abort();
        }
    }
    ~MemoryFile() { ::close(fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void write(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
            std::abort();
        }
    }

    std::string path() const { return "/proc/self/fd/" + std::to_string(fd); }

private:
    int fd;
};

struct Cell {
    std::int32_t x;
    std::int32_t y;
    std::int32_t z;
};

// Writes down where each description lies; nothing is built.
class RecordingSink : public LevelSink {
public:
    void itemCreated(Item& item) override { items.push_back({item.x, item.y, item.z}); }
    void blockCreated(BlockObject& block) override {
        blocks.push_back({block.x, block.y, block.z});
    }

    std::vector<Cell> items;
    std::vector<Cell> blocks;
};

bool describesTheGrid(const RecordingSink& sink, const LevelHeader& header) {
    const Cell* previous = nullptr;
    for (const Cell& cell : sink.blocks) {
        if (cell.x < 0 || cell.y < 0 || cell.z < 0 || cell.x >= header.xDim ||
            cell.y >= header.yDim || cell.z >= header.zDim) {
            return false;
        }
        if (previous != nullptr &&
            std::tie(previous->x, previous->y, previous->z) >= std::tie(cell.x, cell.y, cell.z)) {
            return false;
        }
        previous = &cell;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    static Vexmor::fuzz::NullStream out;
    file.write(data, size);
    LevelLoader loader(file.path());
    RecordingSink sink;
    LevelHeader header;
    std::string error;
    if (loader.parse(sink, header, error, out)) {
        if (!describesTheGrid(sink, header)) {
            std::abort();
        }
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
