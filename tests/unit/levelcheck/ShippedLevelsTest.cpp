#include "levelcheck/LevelCheck.h"
#include "levelcheck/LevelMeasures.h"

#include "levelloader/LevelLoader.h"
#include "platform/Paths.h"
#include "screen/LevelList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace Vexmor;
using namespace Vexmor::levelcheck;

namespace {

const fs::path data = VEXMOR_DATA_DIR;

std::vector<std::string> campaign() {
    std::ifstream list(data / "levels" / "levels.ini");
    return screen::LevelList::parse(list);
}

std::string why(const LevelReport& report) {
    std::ostringstream text;
    text << report.verdict << "\n";
    for (const Finding& finding : report.findings) {
        text << "  " << finding.line << ": " << finding.text << "\n";
    }
    return text.str();
}

} // namespace

TEST(ShippedLevels, EveryLevelFileLoadsWithoutAWarningAndCanBeFinished) {
    std::set<std::string> checked;
    for (const auto& entry : fs::directory_iterator(data / "levels")) {
        if (entry.path().extension() == ".lvl") {
            const LevelReport report = checkLevel(entry.path().string());
            EXPECT_TRUE(report.passed()) << entry.path() << ": " << why(report);
            checked.insert(entry.path().filename().string());
        }
    }
    EXPECT_EQ(checked.count("testLevel.lvl"), 1u) << "the test screen's level";
    EXPECT_GE(checked.size(), 7u);
}

TEST(ShippedLevels, TheListNamesAtLeastSixLevelsThatExistAndPass) {
    const auto levels = campaign();
    EXPECT_GE(levels.size(), 6u);
    for (const std::string& name : levels) {
        const fs::path file = data / platform::hostPath(name);
        ASSERT_TRUE(fs::is_regular_file(file)) << name;
        const LevelReport report = checkLevel(file.string());
        EXPECT_TRUE(report.passed()) << name << ": " << why(report);
    }
}

// Everything the game can do shows up somewhere in the campaign, and the routes really
// use the eras: a drop, a level that needs no switch at all, and one that needs several.
TEST(ShippedLevels, TheCampaignUsesEveryMechanic) {
    std::set<int> doorKinds;
    std::set<int> stairConditions;
    std::size_t balls = 0;
    bool drops = false;
    int fewestSwitches = 1000;
    int mostSwitches = 0;
    for (const std::string& name : campaign()) {
        const std::string file = (data / platform::hostPath(name)).string();
        levelloader::LevelLoader loader(file);
        LevelLayout layout;
        levelloader::LevelHeader header;
        std::string error;
        std::ostringstream warnings;
        ASSERT_TRUE(loader.parse(layout, header, error, warnings)) << name << ": " << error;
        for (const auto& [cell, content] : layout.namedCells()) {
            if (content.type == CellContent::Type::Door) {
                doorKinds.insert(content.doorKind);
            } else if (content.type == CellContent::Type::Stair) {
                stairConditions.insert(content.stairCondition);
            }
        }
        balls += layout.balls().size();

        const LevelReport report = checkLevel(file);
        ASSERT_TRUE(report.completable()) << name;
        const auto& steps = report.route->steps;
        drops = drops || std::any_of(steps.begin(), steps.end(), [](const Transition& step) {
                    return step.move == Move::Drop;
                });
        fewestSwitches = std::min(fewestSwitches, report.route->eraSwitches());
        mostSwitches = std::max(mostSwitches, report.route->eraSwitches());
    }
    EXPECT_EQ(doorKinds, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(stairConditions, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_GT(balls, 0u);
    EXPECT_TRUE(drops);
    EXPECT_EQ(fewestSwitches, 0);
    EXPECT_GE(mostSwitches, 3);
}

// What each chapter promises the player holds for every level in it, so an edit that
// turns a puzzle back into a walk fails here and not in a play-test.
TEST(ShippedLevels, EachChapterAsksWhatItPromises) {
    std::vector<screen::LevelList::Chapter> chapters;
    std::ifstream list(data / "levels" / "levels.ini");
    const auto levels = screen::LevelList::parse(list, &chapters);
    ASSERT_EQ(chapters.size(), 3u);
    struct Promise {
        int switches;
        std::size_t blindAlleys;
        int naiveFailures;
    };
    // The first chapter teaches: a naive player solves all of it.
    const Promise promises[] = {{0, 0, 0}, {3, 1, 0}, {4, 2, 2}};
    for (std::size_t chapter = 0; chapter < chapters.size(); ++chapter) {
        const std::size_t end =
            chapter + 1 < chapters.size() ? chapters[chapter + 1].firstLevel : levels.size();
        int naiveFailures = 0;
        for (std::size_t level = chapters[chapter].firstLevel; level < end; ++level) {
            const LevelReport report =
                checkLevel((data / platform::hostPath(levels[level])).string());
            ASSERT_TRUE(report.passed() && report.start) << levels[level];
            const LevelMeasures measures = measureLevel(*report.layout, *report.start);
            EXPECT_GE(measures.route->eraSwitches(), promises[chapter].switches) << levels[level];
            EXPECT_GE(measures.blindAlleys.size(), promises[chapter].blindAlleys) << levels[level];
            EXPECT_LE(measures.longestStraight, 6) << levels[level];
            naiveFailures += measures.naive.solved ? 0 : 1;
            if (chapter == 0) {
                EXPECT_TRUE(measures.naive.solved) << levels[level];
            }
        }
        EXPECT_GE(naiveFailures, promises[chapter].naiveFailures) << chapters[chapter].name;
    }
}
