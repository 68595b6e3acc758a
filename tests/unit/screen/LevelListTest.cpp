#include "screen/LevelList.h"

#include <gtest/gtest.h>

#include <sstream>

using Vexmor::screen::LevelList;

TEST(LevelList, NormalisesBlanksTabsAndLineEnds) {
    EXPECT_EQ(LevelList::normalise("   levels\\one.lvl   "), "levels\\one.lvl");
    EXPECT_EQ(LevelList::normalise("levels\\my  level.lvl\r"), "levels\\my level.lvl");
    EXPECT_EQ(LevelList::normalise("a\t  b"), "a\tb");
    EXPECT_EQ(LevelList::normalise(" \t\r"), "");
}

TEST(LevelList, SkipsBlankAndCommentLinesAndKeepsOrder) {
    std::istringstream in("# campaign\n"
                          "\n"
                          "   \t  \n"
                          "levels\\first.lvl\r\n"
                          "    # an indented comment\n"
                          "\tlevels\\second  one.lvl  \n"
                          "levels\\third.lvl#not a comment");
    const auto paths = LevelList::parse(in);
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], "levels\\first.lvl");
    EXPECT_EQ(paths[1], "levels\\second one.lvl");
    EXPECT_EQ(paths[2], "levels\\third.lvl#not a comment");
}

TEST(LevelList, OnlyCommentsIsAnEmptyList) {
    std::istringstream in("# nothing\n\n  # still nothing\n");
    EXPECT_TRUE(LevelList::parse(in).empty());
}
