#include "app/ProgressFile.h"

#include "common/TempDirectory.h"

#include <gtest/gtest.h>

#include <vector>

using Vexmor::app::Progress;
using Vexmor::app::ProgressFile;

namespace {

struct ProgressPlace {
    TempDirectory temporary;
    std::filesystem::path file = temporary.path() / "progress.toml";
    std::vector<std::string> warnings;

    ProgressFile open() {
        return ProgressFile(temporary.path(),
                            [this](const std::string& line) { warnings.push_back(line); });
    }
};

} // namespace

TEST(ProgressFile, BestTimesOfAnyLevelLineReadBack) {
    Progress progress;
    progress.finish("levels\\level01.txt", 31.25);
    progress.finish("levels\\level01.txt", 40.0);
    progress.finish("levels\\it's \"odd\".lvl\r", 80.5);
    progress.finish("levels\\it's \"odd\".lvl\r", 12.125);
    EXPECT_FALSE(progress.isFinished("levels\\level02.txt"));
    EXPECT_EQ(progress.bestTime("levels\\level01.txt"), 31.25);

    ProgressPlace place;
    place.open().save(progress);
    EXPECT_EQ(place.open().progress().levels(), progress.levels());
    EXPECT_EQ(fileBytes(place.file).rfind("version = 1\n", 0), 0u);
    EXPECT_NE(fileBytes(place.file).find("level = 'levels\\level01.txt'"), std::string::npos);
    EXPECT_TRUE(place.warnings.empty());
}

TEST(ProgressFile, AnEntryWithoutALineOrATimeIsLeftOutAndTheRestKept) {
    ProgressPlace place;
    place.temporary.write("progress.toml", "version = 1\n"
                                           "stars = 3\n"
                                           "[[levels]]\nlevel = 'a.lvl'\nbest_time = 10\n"
                                           "[[levels]]\nlevel = 'b.lvl'\nbest_time = -1.0\n"
                                           "[[levels]]\nbest_time = 5.0\n");
    EXPECT_EQ(place.open().progress().levels(), (Progress::Levels{{"a.lvl", 10.0}}));
    const std::string start = "[WARN] Progress '" + place.file.string() + "' line ";
    const std::string leftOut = ": a level needs its line as level and a best_time of 0 "
                                "seconds or more; this one is left out";
    EXPECT_EQ(place.warnings,
              (std::vector<std::string>{start + "2: stars is unknown; ignored",
                                        start + "6" + leftOut, start + "9" + leftOut}));
}

TEST(ProgressFile, AFileFromANewerGameIsNeitherUsedNorWritten) {
    ProgressPlace place;
    const std::string newer = "version = 2\n[[levels]]\nlevel = 'a.lvl'\nbest_time = 10.0\n";
    place.temporary.write("progress.toml", newer);
    ProgressFile file = place.open();
    EXPECT_TRUE(file.progress().levels().empty());
    Progress progress;
    progress.finish("b.lvl", 3.0);
    file.save(progress);
    EXPECT_EQ(fileBytes(place.file), newer);
    EXPECT_EQ(place.warnings,
              std::vector<std::string>{"[WARN] '" + place.file.string() +
                                       "' was written by a newer version of the game; it is "
                                       "left as it is and progress is not saved"});
}
