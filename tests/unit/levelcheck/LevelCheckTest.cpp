#include "levelcheck/LevelCheck.h"
#include "levelloader/LevelLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

namespace fs = std::filesystem;
using namespace Vexmor::levelcheck;

namespace {

std::string findingsOf(const LevelReport& report) {
    std::ostringstream text;
    for (const Finding& finding : report.findings) {
        text << finding.line << ": " << finding.text << "\n";
    }
    return text.str();
}

bool mentions(const LevelReport& report, const std::string& text) {
    return std::any_of(report.findings.begin(), report.findings.end(), [&](const Finding& finding) {
        return finding.text.find(text) != std::string::npos;
    });
}

std::vector<std::string> routeOf(const LevelReport& report) {
    std::vector<std::string> steps;
    Place at = report.route->start;
    for (const Transition& step : report.route->steps) {
        steps.push_back(describe(at, step));
        at = step.to;
    }
    return steps;
}

class LevelCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vexmor-levelcheck-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string write(const std::string& content) {
        const fs::path file = dir / ("level" + std::to_string(++files) + ".lvl");
        std::ofstream(file) << content;
        return file.string();
    }

    LevelReport check(const std::string& content) { return checkLevel(write(content)); }

    fs::path dir;
    int files = 0;
};

// A corridor along x at height 1 from the start to a 2 x 2 room whose corner holds the
// machine; it is used from the room's far half (z = 2).
const std::string flat = "xDim 8\nyDim 4\nzDim 4\nplayer 1 1 1\n";
const std::string room = "timemachine 5 1 1\nair 6 1 1\nair 5 1 2\nair 6 1 2\n";

std::string corridor(const std::string& third) {
    return flat + "air 1 1 1\nair 2 1 1\n" + third + "air 4 1 1\n" + room;
}

// Low corridor at z = 4, a stair at 3|1|3 climbing toward -z to the upper room, whose
// machine is used from the cell where the stair arrives.
std::string stairLevel(const std::string& stair) {
    return "xDim 6\nyDim 4\nzDim 6\nplayer 1 1 4\n"
           "air 1 1 4\nair 2 1 4\nair 3 1 4\n" +
           stair +
           "air 3 2 3\n"
           "timemachine 3 2 1\nair 4 2 1\nair 3 2 2\nair 4 2 2\n";
}

} // namespace

TEST_F(LevelCheckTest, TheMachineAtTheEndOfACorridorIsReachedUnlessTheCorridorIsCut) {
    const LevelReport open = check(corridor("air 3 1 1\n"));
    EXPECT_TRUE(open.passed()) << findingsOf(open);
    EXPECT_EQ(open.route->eraSwitches(), 0);
    EXPECT_EQ(open.verdict, "completable in 5 moves with 0 era switches");

    const LevelReport cut = check(corridor(""));
    EXPECT_FALSE(cut.completable());
    EXPECT_TRUE(cut.findings.empty()) << findingsOf(cut);
    EXPECT_EQ(cut.verdict,
              "not completable: the time machine can't be reached from the start (4 places "
              "reachable)");
}

TEST_F(LevelCheckTest, DoorsOpenLockOrLieFallenByKindAndEra) {
    // The doorway of 3|1|1 turned a quarter faces +x, toward the machine.
    const LevelReport normal = check(corridor("door 3 1 1 1 0\n"));
    ASSERT_TRUE(normal.passed()) << findingsOf(normal);
    EXPECT_EQ(routeOf(normal)[2], "walk through the door at 3|1|1 to 4|1|1");

    const LevelReport locked = check(corridor("door 3 1 1 1 1\n"));
    EXPECT_FALSE(locked.completable());

    // Locked in the bright era, fallen in the dark one, where every level starts.
    const LevelReport fallen = check(corridor("door 3 1 1 1 2\n"));
    ASSERT_TRUE(fallen.passed()) << findingsOf(fallen);
    EXPECT_EQ(fallen.route->eraSwitches(), 0);

    // A door only bounds its own face: turned toward -x it is passed through its open side.
    const LevelReport turned = check(corridor("door 3 1 1 3 1\n"));
    EXPECT_FALSE(turned.completable()) << "the locked doorway now faces 2|1|1";
    const LevelReport away = check(corridor("air 3 1 2\ndoor 3 1 1 0 1\n"));
    EXPECT_TRUE(away.passed()) << findingsOf(away);
}

TEST_F(LevelCheckTest, EachStairConditionDecidesInWhichEraItCanBeClimbed) {
    struct Case {
        std::string stair;
        bool completable;
        int switches;
    };
    const Case cases[] = {
        {"stair 3 1 3 0 2\n", true, 0},   // intact in both eras
        {"stair 3 1 3 0 0\n", true, 1},   // intact only in the bright era
        {"stair 3 1 3 0 4\n", true, 1},   // there only in the bright era
        {"stair 3 1 3 0 2 1\n", true, 0}, // the wedge climbs like the ramp
        {"stair 3 1 3 0 1\n", false, 0},  // ruined in both
        {"stair 3 1 3 0 1 1\n", false, 0}, {"stair 3 1 3 0 3\n", false, 0}, // ruined, then gone
        {"air 3 1 3\n", false, 0},       // a whole cell is too high a step
        {"stair 3 1 3 2 2\n", false, 0}, // turned round, it climbs toward the start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stair);
        const LevelReport report = check(stairLevel(c.stair));
        ASSERT_EQ(report.completable(), c.completable) << report.verdict;
        if (c.completable) {
            EXPECT_TRUE(report.passed()) << findingsOf(report);
            EXPECT_EQ(report.route->eraSwitches(), c.switches);
        }
    }
}

TEST_F(LevelCheckTest, NoEraSwitchWhereAStairWouldAppearAroundThePlayer) {
    // The player starts in the stair's cell, where the stair exists only in the bright era.
    const std::string level = "xDim 6\nyDim 4\nzDim 6\nplayer 3 1 3\n"
                              "stair 3 1 3 0 4\nair 3 2 3\n"
                              "timemachine 3 2 1\nair 4 2 1\nair 3 2 2\nair 4 2 2\n";
    EXPECT_FALSE(check(level).completable());
    const LevelReport withFoot = check(level + "air 3 1 4\n");
    ASSERT_TRUE(withFoot.completable());
    EXPECT_EQ(routeOf(withFoot)[0], "walk to 3|1|4");
    EXPECT_EQ(routeOf(withFoot)[1], "switch to the bright era");
}

TEST_F(LevelCheckTest, WhereHisStairDisappearsThePlayerDropsToTheFloorBelow) {
    // A stair only in the bright era, above a shaft to the floor below.
    Vexmor::levelloader::LevelLoader loader(write("xDim 7\nyDim 5\nzDim 6\nplayer 3 2 4\n"
                                                  "air 3 2 4\nstair 3 2 3 0 4\nair 3 3 3\n"
                                                  "air 3 3 2\nair 3 1 3\n"));
    LevelLayout layout;
    Vexmor::levelloader::LevelHeader header;
    std::string error;
    std::ostringstream warnings;
    ASSERT_TRUE(loader.parse(layout, header, error, warnings)) << error;
    layout.setSize({header.xDim, header.yDim, header.zDim});

    const Place onStair{{3, 2, 3}, Vexmor::levelloader::brightEra};
    const auto moves = Walker(layout).movesFrom(onStair);
    const auto switched = std::find_if(moves.begin(), moves.end(), [](const Transition& move) {
        return move.move == Move::SwitchEra;
    });
    ASSERT_NE(switched, moves.end());
    EXPECT_EQ(describe(onStair, *switched), "switch to the dark era and drop to 3|1|3");
}

TEST_F(LevelCheckTest, StairsAreClimbedAndDescendedInTheirDirectionEvenWhenStacked) {
    // Two ramps climbing toward +x, one on top of the other's arrival.
    const std::string size = "xDim 8\nyDim 5\nzDim 5\n";
    const std::string stairs = "air 2 1 2\nstair 3 1 2 3 2\nair 3 2 2\n"
                               "stair 4 2 2 3 2\nair 4 3 2\nair 5 3 2\n";
    const LevelReport up =
        check(size + "player 2 1 2\n" + stairs + "timemachine 5 3 1\nair 6 3 1\nair 6 3 2\n");
    ASSERT_TRUE(up.passed()) << findingsOf(up) << up.verdict;
    EXPECT_EQ(routeOf(up),
              (std::vector<std::string>{"climb to 3|1|2", "climb to 4|2|2", "climb to 5|3|2"}));

    const LevelReport down =
        check(size + "player 5 3 2\n" + stairs + "timemachine 1 1 2 1\nair 1 1 3\nair 2 1 3\n");
    ASSERT_TRUE(down.passed()) << findingsOf(down) << down.verdict;
    EXPECT_EQ(routeOf(down), (std::vector<std::string>{"go down to 4|2|2", "go down to 3|1|2",
                                                       "go down to 2|1|2"}));
}

namespace {

// One line of a level whose cells can be turned about the grid's vertical centre line.
struct Piece {
    std::string tag;
    int x, y, z;
    std::vector<int> params; // the orientation first, where the tag has one
};

// A corridor with a door and a stair up to the machine, on an 8 x 8 floor plan. The cells
// around the machine's corner follow it.
const std::vector<Piece> tour = {
    {"air", 1, 1, 5, {}}, {"air", 2, 1, 5, {}},          {"door", 3, 1, 5, {1, 0}},
    {"air", 4, 1, 5, {}}, {"air", 5, 1, 5, {}},          {"stair", 5, 1, 4, {0, 2}},
    {"air", 5, 2, 4, {}}, {"timemachine", 5, 2, 2, {0}},
};

// The tour turned by quarter turns, every orientation with it, except the stair's when
// it is to be left behind.
std::string turnedTour(int quarters, bool turnStair) {
    constexpr int side = 8;
    std::ostringstream level;
    level << "xDim " << side << "\nyDim 4\nzDim " << side << "\n";
    int px = 1;
    int pz = 5;
    for (int turn = 0; turn < quarters; ++turn) {
        std::tie(px, pz) = std::pair{pz, side - 1 - px};
    }
    level << "player " << px << " 1 " << pz << "\n";
    for (Piece piece : tour) {
        // A machine stands at its cell's +x+z corner: turn the corner, not the cell.
        const bool machine = piece.tag == "timemachine";
        for (int turn = 0; turn < quarters; ++turn) {
            std::tie(piece.x, piece.z) = std::pair{piece.z, side - 1 - (machine ? 1 : 0) - piece.x};
        }
        if (!piece.params.empty() && (piece.tag != "stair" || turnStair)) {
            piece.params[0] = (piece.params[0] + quarters) % 4;
        }
        level << piece.tag << " " << piece.x << " " << piece.y << " " << piece.z;
        for (const int param : piece.params) {
            level << " " << param;
        }
        level << "\n";
        if (machine) {
            level << "air " << piece.x + 1 << " 2 " << piece.z << "\nair " << piece.x << " 2 "
                  << piece.z + 1 << "\nair " << piece.x + 1 << " 2 " << piece.z + 1 << "\n";
        }
    }
    return level.str();
}

} // namespace

TEST_F(LevelCheckTest, OrientationsTurnDoorsStairsAndMachinesLikeTheGameDoes) {
    for (int quarters = 0; quarters < 4; ++quarters) {
        SCOPED_TRACE(quarters);
        const LevelReport turned = check(turnedTour(quarters, true));
        EXPECT_TRUE(turned.passed()) << findingsOf(turned) << turned.verdict;
        if (quarters != 0) {
            EXPECT_FALSE(check(turnedTour(quarters, false)).completable());
        }
    }
}

TEST_F(LevelCheckTest, AStairOnlyInTheBrightEraAndADoorFallenOnlyInTheDarkNeedTwoSwitches) {
    const LevelReport report =
        check("xDim 7\nyDim 4\nzDim 6\nplayer 3 1 4\n"
              "air 3 1 4\nair 4 1 4\nair 5 1 4\nstair 5 1 3 0 4\nair 5 2 3\nair 5 2 2\n"
              "door 4 2 2 3 2\nair 3 2 2\n"
              "timemachine 1 2 1 1\nair 2 2 1\nair 1 2 2\nair 2 2 2\n");
    ASSERT_TRUE(report.passed()) << findingsOf(report) << report.verdict;
    EXPECT_EQ(report.route->eraSwitches(), 2);
}

TEST_F(LevelCheckTest, ADropIsOneWayAndAPitWithoutExitStrandsThePlayer) {
    const std::string ledge = "xDim 8\nyDim 4\nzDim 5\nplayer 1 2 2\n"
                              "air 1 2 2\nair 2 2 2\nair 2 1 2\nair 3 1 2\n"
                              "timemachine 4 1 2\nair 5 1 2\nair 4 1 3\nair 5 1 3\n";
    const LevelReport drop = check(ledge);
    ASSERT_TRUE(drop.passed()) << findingsOf(drop) << drop.verdict;
    EXPECT_EQ(routeOf(drop).front(), "drop to 2|1|2");

    const LevelReport pit = check(ledge + "air 1 2 3\nair 1 1 3\n");
    EXPECT_TRUE(pit.completable());
    EXPECT_FALSE(pit.passed());
    EXPECT_TRUE(mentions(pit, "the player can strand himself: from 1|1|3 in the dark era the "
                              "time machine is out of reach (2 such places)"))
        << findingsOf(pit);
}

TEST_F(LevelCheckTest, ATrapNamedInTheCommentsIsAcceptedAndEveryOtherIsWarnedAbout) {
    // A ledge (y = 2) from which the player drops to the machine's corridor, with a pit on
    // each side of the start, north of the ledge: 1|1|1 and 3|1|1.
    const std::string ledge = "xDim 9\nyDim 4\nzDim 5\nplayer 2 2 2\n"
                              "air 1 2 2\nair 2 2 2\nair 3 2 2\nair 4 2 2\nair 4 1 2\nair 5 1 2\n"
                              "timemachine 6 1 2\nair 7 1 2\nair 6 1 3\nair 7 1 3\n";
    const std::string apart = ledge + "air 1 2 1\nair 1 1 1\nair 3 2 1\nair 3 1 1\n";
    const std::string strands = "the player can strand himself: from ";

    // Kept apart, each pit must be named; the warning names the trap's first place.
    const LevelReport west = check("# Trap: 1|1|1 a pit\n" + apart);
    ASSERT_EQ(west.findings.size(), 1u) << findingsOf(west);
    EXPECT_EQ(west.findings[0].text, strands + "3|1|1 in the dark era the time machine is out "
                                               "of reach (2 such places)");
    EXPECT_TRUE(check("# Trap: 1|1|1 one\n#Trap: 3|1|1 two\n" + apart).passed());

    // Joined below, they are one trap, declared by any of its cells.
    const std::string joined = apart + "air 2 1 1\n";
    const LevelReport one = check("# Trap: 2|1|1 the pits are deep\n" + joined);
    EXPECT_TRUE(one.passed()) << findingsOf(one);
    const LevelReport undeclared = check(joined);
    ASSERT_EQ(undeclared.findings.size(), 1u) << findingsOf(undeclared);
    EXPECT_TRUE(mentions(undeclared, "(6 such places)")) << findingsOf(undeclared);

    // A declaration must stay true, and must name a cell.
    const LevelReport stale = check(ledge + "\n# Trap: 5|1|2 no longer a pit\n");
    ASSERT_EQ(stale.findings.size(), 1u) << findingsOf(stale);
    EXPECT_EQ(stale.findings[0].line, 16);
    EXPECT_EQ(stale.findings[0].text, "declared trap at 5|1|2 is not a trap");
    const LevelReport garbled = check(joined + "# Trap: 1|1 the pit\n# Trapdoor 1|1|1\n");
    ASSERT_EQ(garbled.findings.size(), 2u) << findingsOf(garbled);
    EXPECT_EQ(garbled.findings[0].line, 20);
    EXPECT_EQ(garbled.findings[0].text, "a trap comment needs its cell as x|y|z");
    EXPECT_EQ(garbled.findings[1].text.rfind(strands, 0), 0u);
}

TEST_F(LevelCheckTest, LoaderWarningsCarryTheLineTheyComeFrom) {
    const std::string content = "# a level with faults\n"
                                "xDim 8\nyDim 4\nzDim 4\n"
                                "\n"
                                "player 1 1 1\n"
                                "air 1 1 1\n"
                                "# a comment\n"
                                "Air 2 1 1\n"
                                "air 1 1 1\n"
                                "\n"
                                "air 1 9 1\n"
                                "air 2 1\n"
                                "ball 3 3 3\n"
                                "air 2 1 1\nair 3 1 1\nair 4 1 1\n" +
                                room + "wall 3 3 3";
    const LevelReport report = check(content);
    const int lastLine = static_cast<int>(std::count(content.begin(), content.end(), '\n')) + 1;
    ASSERT_EQ(report.findings.size(), 6u) << findingsOf(report);
    // Balls are placed once every block is known, so theirs come last.
    const std::vector<std::pair<int, std::string>> expected = {
        {9, "Skipping unknown Token 'Air'..."},
        {10, "[Warn] LevelLoader: Block 'air' would override another Block at 1|1|1"},
        {12, "[Warn] LevelLoader: Block 'air' lies outside the level at 1|9|1"},
        {13, "Tag 'air' has a wrong number of arguments(expected >= 4, found 3)"},
        {lastLine, "Skipping unknown Token 'wall'..."},
        {14, "[Warn] LevelLoader: Item 'ball' in line 14 lies in rock at 3|3|3"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(report.findings[i].severity, Finding::Severity::Warning);
        EXPECT_EQ(report.findings[i].line, expected[i].first);
        EXPECT_EQ(report.findings[i].text, expected[i].second);
    }
    EXPECT_TRUE(report.completable()) << "warnings make a level unclean, not unfinishable";
    EXPECT_FALSE(report.passed());
    EXPECT_EQ(report.verdict, "completable, but not clean: 6 warnings");
}

TEST_F(LevelCheckTest, AFileThatDoesNotLoadReportsItsErrorAndLine) {
    const LevelReport dimension = check("xDim 8\n# c\nyDim 4 4\nzDim 4\n");
    ASSERT_EQ(dimension.findings.size(), 1u);
    EXPECT_EQ(dimension.findings[0].severity, Finding::Severity::Error);
    EXPECT_EQ(dimension.findings[0].line, 3);
    EXPECT_EQ(dimension.verdict, "does not load: A dimension tag must contain only one param!");
    EXPECT_FALSE(dimension.completable());

    const LevelReport number = check(flat + "air 1 1 1\n\nair 1 x 1\n");
    ASSERT_EQ(number.findings.size(), 1u);
    EXPECT_EQ(number.findings[0].line, 7);
    EXPECT_EQ(number.findings[0].text.rfind("Invalid number 'x'", 0), 0u);

    const LevelReport missing = checkLevel((dir / "missing.lvl").string());
    EXPECT_EQ(missing.verdict, "does not load: can't read the file");
    EXPECT_EQ(checkLevel(dir.string()).verdict, "does not load: can't read the file");
}

TEST_F(LevelCheckTest, LayoutsThePlayerWouldTripOverAreWarnedAbout) {
    const std::string base = corridor("air 3 1 1\n");
    const std::pair<std::string, std::string> cases[] = {
        {"door 2 1 2 0\n", "the door at 2|1|2 opens onto rock at 2|1|3"},
        {"door 2 1 2 5\n",
         "[Warn] LevelLoader: Block 'door' in line 13 has orientation 5, using 1"},
        {"stair 2 1 2 2 2\n", "the stair at 2|1|2 has no room above it at 2|2|2"},
        {"stair 2 1 2 2 2\n", "the stair at 2|1|2 leads up into rock at 2|2|3"},
        {"stair 2 1 2 0 2\n", "the stair at 2|1|2 starts at rock at 2|1|3"},
        {"ball 2 2 2\n", "[Warn] LevelLoader: Item 'ball' in line 13 lies in rock at 2|2|2"},
        {"door 2 1 2 1\nball 2 1 2\n",
         "the ball at 2|1|2 needs an open cell without door or stair"},
        {"ball 1 1 1\n", "the ball at 1|1|1 starts inside the player"},
        {"timemachine 2 1 2\n", "2 time machines; a level has exactly one"},
        {"timemachine 2 1 2\n", "the time machine at 2|1|2 needs the four cells around its "
                                "corner open and free; 3|1|2 is not"},
        {"air 1 1 0\n", "the open cell at 1|1|0 lies on the edge of the level, which has no "
                        "wall beyond"},
    };
    for (const auto& [line, warning] : cases) {
        SCOPED_TRACE(line);
        const LevelReport report = check(base + line);
        EXPECT_TRUE(mentions(report, warning)) << findingsOf(report);
        EXPECT_TRUE(report.completable());
        EXPECT_FALSE(report.passed());
    }
    // A ruined stair is scenery and needs no room around it.
    EXPECT_TRUE(check(base + "stair 2 1 2 2 1\n").passed());
}

TEST_F(LevelCheckTest, WithoutAMachineOrAFloorToStartOnThereIsNoWay) {
    const LevelReport noMachine = check(flat + "air 1 1 1\nair 2 1 1\n");
    EXPECT_EQ(noMachine.verdict, "not completable: no time machine");
    EXPECT_TRUE(mentions(noMachine, "there is no time machine"));

    std::string inRock = corridor("air 3 1 1\n");
    inRock.replace(inRock.find("player 1 1 1"), 12, "player 1 2 1");
    const LevelReport rock = check(inRock);
    EXPECT_EQ(rock.verdict, "not completable: the player does not start on a floor");
    EXPECT_TRUE(mentions(rock, "the player starts at 1|2|1"));
}
