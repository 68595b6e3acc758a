#include "levelcheck/LevelMeasures.h"
#include "common/TempDirectory.h"
#include "levelcheck/LevelCheck.h"
#include "levelloader/BlockAlignedObject.h"

#include <gtest/gtest.h>

#include <set>

using namespace Vexmor::levelcheck;

namespace {

class LevelMeasuresTest : public ::testing::Test {
protected:
    LevelMeasures measure(const std::string& content) {
        dir.write("level.lvl", content);
        const LevelReport report = checkLevel((dir.path() / "level.lvl").string());
        EXPECT_TRUE(report.layout && report.start) << report.verdict;
        return measureLevel(*report.layout, *report.start);
    }

    TempDirectory dir;
};

std::string figure(const LevelMeasures& measures, const std::string& name) {
    for (const std::string& line : figureLines(measures)) {
        if (line.rfind(name + ": ", 0) == 0) {
            return line.substr(name.size() + 2);
        }
    }
    return "(missing)";
}

// A corridor along x at z = 1 from the start to the machine's corner at 7|1|1, used from
// 7|1|2 and 8|1|2; the line of its cell 4|1|1 can be given.
std::string corridor(const std::string& more, const std::string& fourth = "air 4 1 1\n") {
    return "xDim 10\nyDim 3\nzDim 7\nplayer 1 1 1\n"
           "air 1 1 1\nair 2 1 1\nair 3 1 1\n" +
           fourth +
           "air 5 1 1\nair 6 1 1\n"
           "timemachine 7 1 1\nair 8 1 1\nair 7 1 2\nair 8 1 2\n" +
           more;
}

// A ledge (y = 2) from which the player drops into the machine's corridor.
const std::string ledge = "xDim 9\nyDim 4\nzDim 5\nplayer 2 2 2\n"
                          "air 1 2 2\nair 2 2 2\nair 3 2 2\nair 4 2 2\nair 4 1 2\nair 5 1 2\n"
                          "timemachine 6 1 2\nair 7 1 2\nair 6 1 3\nair 7 1 3\n";

// Upstairs only by a stair of the bright era (5|1|3); the machine lies beyond a door that
// is fallen in the dark era only.
const std::string twoSwitches = "xDim 7\nyDim 4\nzDim 6\nplayer 3 1 4\n"
                                "air 3 1 4\nair 4 1 4\nair 5 1 4\nstair 5 1 3 0 4\n"
                                "air 5 2 3\nair 5 2 2\ndoor 4 2 2 3 2\nair 3 2 2\n"
                                "timemachine 1 2 1 1\nair 2 2 1\nair 1 2 2\nair 2 2 2\n";

} // namespace

TEST_F(LevelMeasuresTest, TheRouteItsStraightsAndItsBlindAlleys) {
    const LevelMeasures plain = measure(corridor(""));
    EXPECT_EQ(figure(plain, "switches"), "0");
    EXPECT_EQ(figure(plain, "route"), "7");
    EXPECT_EQ(figure(plain, "longest straight"), "6");
    EXPECT_EQ(figure(plain, "blind alleys"), "0");
    EXPECT_EQ(figure(plain, "one-way drops"), "0");
    EXPECT_EQ(figure(plain, "naive player"), "solves it with 0 switches");

    // A door breaks the straight: three walks up to it, two after it.
    EXPECT_EQ(figure(measure(corridor("", "door 4 1 1 1 0\n")), "longest straight"), "3");

    // A side corridor of three cells off 3|1|1 is one blind alley.
    const std::string side = "air 3 1 2\nair 3 1 3\nair 3 1 4\n";
    EXPECT_EQ(figure(measure(corridor(side)), "blind alleys"), "1 (sizes 3)");
    // A loop from 2|1|1 round to 4|1|1 rejoins the way and is none, but a spur off the loop
    // is; so is a nook north of the corridor.
    const std::string loop = "air 2 1 2\nair 2 1 3\nair 3 1 3\nair 4 1 3\nair 4 1 2\n";
    EXPECT_EQ(figure(measure(corridor(loop)), "blind alleys"), "0");
    EXPECT_EQ(figure(measure(corridor(loop + "air 3 1 4\nair 5 1 0\nair 3 1 5\n")), "blind alleys"),
              "2 (sizes 2, 1)");
}

TEST_F(LevelMeasuresTest, SwitchPlacesAreTheCellsWhereASwitchLiesOnAWayWithTheFewest) {
    const LevelMeasures measures = measure(twoSwitches);
    EXPECT_EQ(figure(measures, "switches"), "2");
    // To the bright era anywhere below, back to the dark anywhere upstairs before the door.
    const int dark = Vexmor::levelloader::darkEra;
    const int bright = Vexmor::levelloader::brightEra;
    std::set<std::pair<std::string, int>> optimal;
    for (const Place& place : measures.optimalSwitches) {
        optimal.insert({cellName(place.cell), place.era});
    }
    EXPECT_EQ(optimal, (std::set<std::pair<std::string, int>>{{"3|1|4", dark},
                                                              {"4|1|4", dark},
                                                              {"5|1|4", dark},
                                                              {"5|2|2", bright},
                                                              {"4|2|2", bright}}));
    // Switches are possible in every cell he reaches, the stair's too (on the stair in the
    // bright era, where it vanishes under him).
    EXPECT_EQ(figure(measures, "switch places"), "5 of 11");
}

TEST_F(LevelMeasuresTest, OneWayDropsAndTraps) {
    const LevelMeasures drop = measure(ledge);
    EXPECT_EQ(figure(drop, "one-way drops"), "1");
    EXPECT_EQ(figure(drop, "traps"), "0");
    // A stair from the corridor back up to the ledge makes the drop one of choice.
    const std::string back = "air 5 1 3\nstair 4 1 3 1 2\nair 4 2 3\nair 3 2 3\n";
    EXPECT_EQ(figure(measure(ledge + back), "one-way drops"), "0");

    const LevelMeasures pit = measure(ledge + "air 1 2 1\nair 1 1 1\n");
    EXPECT_EQ(figure(pit, "traps"), "2 (1 trap: 1|1|1 dark)");
    EXPECT_EQ(figure(pit, "states"), std::to_string(drop.states + 2));
}

TEST_F(LevelMeasuresTest, TheNaivePlayerSolvesWhatNeedsNoForethought) {
    // The bright stair stands over a pit: in the dark era its cell is no way at all, so he
    // switches at its foot and climbs to the machine.
    const LevelMeasures foot = measure("xDim 7\nyDim 5\nzDim 7\nplayer 3 2 5\n"
                                       "air 3 2 5\nair 3 2 4\nstair 3 2 3 0 4\nair 3 1 3\n"
                                       "air 3 3 3\ntimemachine 3 3 1\nair 4 3 1\nair 3 3 2\n"
                                       "air 4 3 2\n");
    EXPECT_EQ(figure(foot, "naive player"), "solves it with 1 switch");

    EXPECT_EQ(figure(measure(twoSwitches), "naive player"), "solves it with 2 switches");

    // The lure: the machine's ledge is two moves past the door at 2|1|4, which falls only
    // in the dark, up a stair that stands only in the bright. He switches at the door and
    // back again; the way is round by the east, through another fallen door, switching in
    // the room behind it.
    const LevelMeasures lure = measure(
        "xDim 8\nyDim 4\nzDim 8\nplayer 2 1 6\nair 2 1 6\nair 2 1 5\ndoor 2 1 4 2 2\n"
        "stair 2 1 3 0 4\nair 2 2 3\nair 3 1 6\nair 4 1 6\nair 5 1 6\ndoor 5 1 5 2 2\n"
        "air 5 1 4\nair 5 1 3\nstair 5 1 2 0 4\nair 5 2 2\nair 5 2 1\nair 4 2 1\nair 3 2 1\n"
        "timemachine 1 2 1 0\nair 2 2 1\nair 1 2 2\nair 2 2 2\n");
    EXPECT_EQ(figure(lure, "switches"), "1");
    EXPECT_EQ(figure(lure, "naive player"),
              "fails (goes round: back at 2|1|4 in the dark era, where he switched before)");
}

TEST_F(LevelMeasuresTest, AMachineOutOfReachLeavesTheStatesAlone) {
    const LevelMeasures cut = measure("xDim 8\nyDim 3\nzDim 4\nplayer 1 1 1\nair 1 1 1\n"
                                      "air 2 1 1\ntimemachine 5 1 1\nair 6 1 1\nair 5 1 2\n"
                                      "air 6 1 2\n");
    EXPECT_EQ(figureLines(cut),
              (std::vector<std::string>{"switches: none (the time machine is out of reach)",
                                        "states: 4"}));
}
