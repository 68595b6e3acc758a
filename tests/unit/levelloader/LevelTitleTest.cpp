#include "levelloader/LevelTitle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using Vexmor::levelloader::LevelTitle;

namespace {

std::string titleOf(const std::string& text) {
    std::istringstream in(text);
    return LevelTitle::parse(in, "fallback");
}

} // namespace

TEST(LevelTitle, TheFirstTitleCommentNamesTheLevel) {
    EXPECT_EQ(titleOf("# Title: Two eras\nxDim 3\n"), "Two eras");
    // Anywhere in the file, trimmed like every line the loader reads, CRs included.
    EXPECT_EQ(titleOf("xDim 3\r\n  # Title:   Fallen doors \t\r\nyDim 3\r\n"), "Fallen doors");
    EXPECT_EQ(titleOf("# Title: First\n# Title: Second\n"), "First");
    // Only this exact comment counts.
    EXPECT_EQ(titleOf("# title: lower\n#Title: tight\n# Title:x\nTitle: bare\n"), "fallback");
    EXPECT_EQ(titleOf("# Titles: more\n"), "fallback");
    EXPECT_EQ(titleOf(""), "fallback");
    // An empty title shows the file's name; a later title line does not take its place.
    EXPECT_EQ(titleOf("# Title:\n# Title: Later\n"), "fallback");
    EXPECT_EQ(titleOf("# Title:    \r\n"), "fallback");
    // Odd characters are kept as they are; the font decides how they look.
    EXPECT_EQ(titleOf("# Title: Caf\xC3\xA9 #2 \"x\"\n"), "Caf\xC3\xA9 #2 \"x\"");
}

TEST(LevelTitle, WithoutATitleTheFileNameShowsWithoutFolderAndExtension) {
    EXPECT_EQ(LevelTitle::fileTitle("levels\\03_doors.lvl"), "03_doors");
    EXPECT_EQ(LevelTitle::fileTitle("levels/sub\\my.level.lvl"), "my.level");
    EXPECT_EQ(LevelTitle::fileTitle("plain"), "plain");

    const auto dir =
        std::filesystem::temp_directory_path() / ("vexmor-title-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "levels");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    std::ofstream("levels/titled.lvl") << "# A level\n# Title: Named\nxDim 1\n";
    std::ofstream("levels/untitled.lvl") << "# A level\nxDim 1\n";
    EXPECT_EQ(LevelTitle::read("levels\\titled.lvl"), "Named");
    EXPECT_EQ(LevelTitle::read("levels\\untitled.lvl"), "untitled");
    EXPECT_EQ(LevelTitle::read("levels\\missing.lvl"), "missing");
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
