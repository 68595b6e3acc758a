// Inputs on which the fuzzers (tools/fuzz) once found a crash, a hang or undefined
// behaviour, kept in tests/fixtures/fuzz/<format>/. Each must now come to a verdict: a
// parse that succeeds, or a fatal error with its message. The sanitizer build runs these
// too, where a fault in the parse no longer goes unnoticed.
#include "levelloader/BlockObject.h"
#include "levelloader/Item.h"
#include "levelloader/LevelLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;
using namespace Vexmor::levelloader;

namespace {

std::vector<fs::path> findings(const std::string& format) {
    std::vector<fs::path> files;
    for (const auto& entry :
         fs::directory_iterator(fs::path(VEXMOR_FIXTURES_DIR) / "fuzz" / format)) {
        files.push_back(entry.path());
    }
    return files;
}

class CountingSink : public LevelSink {
public:
    void itemCreated(Item& /*item*/) override { ++count; }
    void blockCreated(BlockObject& /*block*/) override { ++count; }

    std::size_t count = 0;
};

} // namespace

TEST(FuzzFindings, LevelFilesComeToAVerdict) {
    const std::vector<fs::path> files = findings("level");
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        LevelLoader loader(file.string());
        CountingSink sink;
        LevelHeader header;
        std::string error;
        std::ostringstream out;
        if (!loader.parse(sink, header, error, out)) {
            EXPECT_FALSE(error.empty());
        }
    }
}
