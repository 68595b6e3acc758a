#include "ShippedDataGl.h"

#include "Soak.h"
#include "autoplay/Autoplay.h"
#include "levelcheck/LevelCheck.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace Vexmor;

namespace {

// The game time a level may take with the autopilot, from the checker's route: half as
// long again as a player who walks every move at top speed (3 units a second, cell middle
// to cell middle), waits out every era switch (5 s) and every door's swing (2 s), and then
// the machine's sequence (9.5 s), plus 5 s for turning on the spot and lining up.
double routeBound(const levelcheck::Route& route) {
    double seconds = 9.5;
    for (const levelcheck::Transition& step : route.steps) {
        seconds += step.move == levelcheck::Move::SwitchEra ? 5.0 : 2.5 / 3.0;
        seconds += step.door ? 2.0 : 0.0;
    }
    return 1.5 * seconds + 5.0;
}

std::vector<std::string> levelsToPlay() {
    std::vector<std::string> levels =
        soak::listedLevels(std::string(VEXMOR_DATA_DIR) + "/levels/levels.ini");
    levels.push_back("levels\\testLevel.lvl");
    // Levels the autopilot was never tuned on, each with one thing to get right.
    for (const char* unseen :
         {"door_then_stair", "two_switches", "fallen_door", "one_era_stair", "long_corridor"}) {
        levels.push_back(std::string(VEXMOR_FIXTURES_DIR) + "/autoplay/" + unseen + ".lvl");
    }
    return levels;
}

class AutoplayGl : public ShippedDataGl, public ::testing::WithParamInterface<std::string> {};

} // namespace

// The proof that a player can finish the level under the game's real physics: the
// autopilot walks it to the machine with the keys and the mouse alone, in about the time
// a player walking straight there takes, without once getting stuck or off the course, and
// switches the era as often as the route does.
TEST_P(AutoplayGl, TheAutopilotFinishesTheLevelInAboutTheTimeOfItsRoute) {
    const std::string level = autoplay::gameName(GetParam());
    const levelcheck::LevelReport report = levelcheck::checkLevel(level);
    ASSERT_TRUE(report.route) << report.verdict;

    std::ostringstream console;
    const autoplay::Outcome outcome = autoplay::play(level, autoplay::Options{}, console);
    ASSERT_TRUE(outcome.finished) << autoplay::verdict(level, outcome);
    EXPECT_LE(outcome.seconds, routeBound(*report.route)) << autoplay::verdict(level, outcome);
    EXPECT_EQ(outcome.eraSwitches, report.route->eraSwitches());
    EXPECT_NE(console.str().find("Level Initialisation done!"), std::string::npos);
    // Straight there: never stuck, never off the course.
    for (const char* trouble : {"[autoplay] No headway", "[autoplay] Planning again"}) {
        EXPECT_EQ(console.str().find(trouble), std::string::npos) << console.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, AutoplayGl, ::testing::ValuesIn(levelsToPlay()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name =
                                 info.param.substr(info.param.find_last_of("\\/") + 1);
                             name = name.substr(0, name.find('.'));
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return "L" + name;
                         });
