#include "Generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Vexmor::assetgen::allAssets;
using Vexmor::assetgen::Asset;
using Vexmor::assetgen::Bytes;

Bytes readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One run of the generator into a temporary directory, shared by the tests below.
class GeneratedAssets : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "vexmor-assets-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory = pattern;
        Vexmor::assetgen::writeAssets(directory);
    }

    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(directory, ignored);
    }

    static fs::path directory;
};

fs::path GeneratedAssets::directory;

} // namespace

TEST_F(GeneratedAssets, TheCommittedDataIsWhatTheGeneratorMakes) {
    // Assets are never edited by hand: change the generator and regenerate instead.
    for (const Asset& asset : allAssets()) {
        const Bytes committed = readFile(fs::path(VEXMOR_DATA_DIR) / asset.path);
        EXPECT_FALSE(committed.empty()) << asset.path << " is missing from data/";
        EXPECT_TRUE(committed == readFile(directory / asset.path))
            << asset.path << " differs from a fresh run: run the regenerate-assets target";
    }
}

TEST_F(GeneratedAssets, ASecondRunGivesTheSameBytes) {
    for (const Asset& asset : allAssets()) {
        const Bytes again = asset.make();
        EXPECT_FALSE(again.empty()) << asset.path;
        EXPECT_TRUE(again == readFile(directory / asset.path)) << asset.path;
    }
}
