#include "common/CoutCapture.h"

#include "levelloader/Air.h"
#include "levelloader/BallItem.h"
#include "levelloader/DoorBlock.h"
#include "levelloader/LevelLoader.h"
#include "levelloader/StairBlock.h"
#include "levelloader/TimeMachineBlock.h"
#include "levelloader/Wall.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <glm/gtc/matrix_access.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace Vexmor::levelloader;

namespace {

// Writes down what each line describes instead of building it.
class RecordingSink : public LevelSink {
public:
    void itemCreated(Item& item) override { record(item); }
    void blockCreated(BlockObject& block) override { record(block); }

    std::vector<std::string> entries;

private:
    void record(BlockAlignedObject& object) {
        std::ostringstream entry;
        if (auto* wall = dynamic_cast<Wall*>(&object)) {
            entry << "wall 0x" << std::hex << int(wall->openSides);
            if (wall->dropSides[brightEra] != 0 || wall->dropSides[darkEra] != 0) {
                entry << " drops 0x" << int(wall->dropSides[brightEra]) << "/0x"
                      << int(wall->dropSides[darkEra]);
            }
            entry << std::dec;
        } else if (auto* door = dynamic_cast<DoorBlock*>(&object)) {
            entry << "door " << door->orientation << " " << door->doorKind;
        } else if (auto* stair = dynamic_cast<StairBlock*>(&object)) {
            entry << "stair " << stair->orientation << " " << stair->stairCondition << " "
                  << stair->withBlock;
        } else if (auto* machine = dynamic_cast<TimeMachineBlock*>(&object)) {
            entry << "timemachine " << machine->orientation;
        } else if (dynamic_cast<BallItem*>(&object) != nullptr) {
            entry << "ball";
        } else if (dynamic_cast<Air*>(&object) != nullptr) {
            entry << "air";
        }
        entry << " @" << object.x << "|" << object.y << "|" << object.z;
        entries.push_back(entry.str());
    }
};

// What a turned block draws with and where its bodies stand.
struct Turned {
    glm::mat4 drawing;
    std::vector<btTransform> bodies;
};

class TurnSink : public LevelSink {
public:
    void itemCreated(Item& /*item*/) override {}
    void blockCreated(BlockObject& block) override {
        Turned turned;
        if (auto* door = dynamic_cast<DoorBlock*>(&block)) {
            turned.drawing = door->blockTransform(door->orientation);
            turned.bodies.push_back(
                door->frameBody(Vexmor::physics::Doorway{})->get()->getWorldTransform());
        } else if (auto* stair = dynamic_cast<StairBlock*>(&block)) {
            turned.drawing = stair->blockTransform(stair->orientation);
            BodyList bodies = stair->brightBodies();
            for (auto& body : stair->darkBodies()) {
                bodies.push_back(std::move(body));
            }
            for (const auto& body : bodies) {
                turned.bodies.push_back(body->get()->getWorldTransform());
            }
        } else if (auto* machine = dynamic_cast<TimeMachineBlock*>(&block)) {
            turned.drawing = machine->blockTransform(machine->orientation);
        } else {
            return;
        }
        blocks.push_back(std::move(turned));
    }

    std::vector<Turned> blocks;
};

bool near(const glm::mat4& a, const glm::mat4& b) {
    for (int column = 0; column < 4; ++column) {
        if (glm::length(glm::column(a, column) - glm::column(b, column)) > 1e-5f) {
            return false;
        }
    }
    return true;
}

bool near(const btTransform& a, const btTransform& b) {
    btScalar basis = 0;
    for (int row = 0; row < 3; ++row) {
        basis += (a.getBasis()[row] - b.getBasis()[row]).length();
    }
    return basis < 1e-5f && (a.getOrigin() - b.getOrigin()).length() < 1e-5f;
}

struct Parsed {
    bool ok = false;
    std::string error;
    std::string warnings;
    LevelHeader header;
    std::vector<std::string> entries;
};

class LevelFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vexmor-levels-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string write(const std::string& content) {
        const fs::path file = dir / ("level" + std::to_string(++files) + ".lvl");
        std::ofstream(file) << content;
        return file.string();
    }

    Parsed parse(const std::string& content) {
        LevelLoader loader(write(content));
        RecordingSink sink;
        std::ostringstream out;
        Parsed parsed;
        parsed.ok = loader.parse(sink, parsed.header, parsed.error, out);
        parsed.warnings = out.str();
        parsed.entries = sink.entries;
        return parsed;
    }

    // The error of a file that must fail.
    std::string failure(const std::string& content) {
        const Parsed parsed = parse(content);
        EXPECT_FALSE(parsed.ok) << content;
        return parsed.error;
    }

    fs::path dir;
    int files = 0;
};

const std::string header3 = "xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\n";

} // namespace

TEST_F(LevelFiles, DimensionsComeFirstInAnyOrderThenThePlayer) {
    const Parsed parsed = parse("# a comment\nzDim 4\nxDim 2\n\nyDim 3\nplayer 0.5 1 -2.5e0\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.header.xDim, 2);
    EXPECT_EQ(parsed.header.yDim, 3);
    EXPECT_EQ(parsed.header.zDim, 4);
    EXPECT_EQ(parsed.header.playerStart, glm::vec3(0.5f, 1.0f, -2.5f));
    EXPECT_TRUE(parsed.entries.empty()) << "a box of rock builds nothing";
}

TEST_F(LevelFiles, EveryFatalFaultHasItsMessage) {
    const std::string dims = "The first three tags must contain the dimensions of the map!";
    EXPECT_EQ(failure("player 1 1 1\nxDim 3\nyDim 3\nzDim 3\n"), dims);
    EXPECT_EQ(failure("xDim 3\nyDim 3\n"), dims);
    EXPECT_EQ(failure(""), dims);
    EXPECT_EQ(failure("xDim 3\nyDim 3 4\nzDim 3\n"),
              "A dimension tag must contain only one param!");
    EXPECT_EQ(failure("xDim 3\nxDim 3\nzDim 3\nplayer 1 1 1\n"),
              "Not all Dimensions are initialized!");
    EXPECT_EQ(failure("xDim 3\nyDim 3\nzDim 3\n"), "'player' must be the the 2nd argument!");
    EXPECT_EQ(failure("xDim 3\nyDim 3\nzDim 3\nair 1 1 1\n"),
              "'player' must be the the 2nd argument!");
    EXPECT_EQ(failure("xDim 3\nyDim -1\nzDim 3\nplayer 1 1 1\n"),
              "A dimension must not be negative!");
    EXPECT_EQ(failure("xDim 3\nyDim 3\nzDim 3\nplayer 1 1\n"), "'player' needs three coordinates!");
    EXPECT_EQ(failure("xDim 4096\nyDim 4096\nzDim 4096\nplayer 1 1 1\n"),
              "The level is too large!");
}

TEST_F(LevelFiles, LevelsOfMoreThanFourMebicellsAreRefused) {
    const std::string tooLarge = "The level is too large!";
    EXPECT_EQ(failure("xDim 2048\nyDim 1\nzDim 2049\nplayer 1 0 1\n"), tooLarge);
    EXPECT_EQ(failure("xDim 1\nyDim 4194305\nzDim 1\nplayer 0 0 0\n"), tooLarge);
    // Their product overflows even 64 bits.
    EXPECT_EQ(failure("xDim 2147483647\nyDim 2147483647\nzDim 2147483647\nplayer 0 0 0\n"),
              tooLarge);
}

TEST_F(LevelFiles, ANumberThatIsNoNumberIsFatalWithItsLine) {
    EXPECT_EQ(failure("xDim 3.5\nyDim 3\nzDim 3\nplayer 1 1 1\n"),
              "Invalid number '3.5' in line 1!");
    EXPECT_EQ(failure("xDim 3\nyDim 3\nzDim 3\nplayer 1 one 1\n"),
              "Invalid number 'one' in line 4!");
    EXPECT_EQ(failure(header3 + "air 1 1 1\nair 1 x 1\n# the end\n"),
              "Invalid number 'x' in line 6!");
    EXPECT_EQ(failure(header3 + "door 1 1 1 north\nair 0 0 0\n"),
              "Invalid number 'north' in line 5!");
    // Of several bad numbers on a line, the first is named.
    EXPECT_EQ(failure(header3 + "door 1 1 1 north east\n"), "Invalid number 'north' in line 5!");
    EXPECT_EQ(failure(header3 + "stair 1 1 1 0 up block\n"), "Invalid number 'up' in line 5!");
    EXPECT_EQ(failure(header3 + "stair 1 1 1 a b c\n"), "Invalid number 'a' in line 5!");
    EXPECT_EQ(failure(header3 + "ball 1 y z\n"), "Invalid number 'y' in line 5!");
}

TEST_F(LevelFiles, RefusedLinesAreReportedAndSkipped) {
    const Parsed parsed = parse(header3 + "Air 1 1 1\n"
                                          "wall 1 1 1\n"
                                          "air 1 1\n"
                                          "ball 1\n"
                                          "air 1 1 1\n"
                                          "door 1 1 1\n"
                                          "air 3 1 1\n"
                                          "stair -1 0 0\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.warnings,
              "Skipping unknown Token 'Air'...\n"
              "Skipping unknown Token 'wall'...\n"
              "Tag 'air' has a wrong number of arguments(expected >= 4, found 3)\n"
              "Tag 'ball' has a wrong number of arguments(expected >= 4, found 2)\n"
              "[Warn] LevelLoader: Block 'door' would override another Block at 1|1|1\n"
              "[Warn] LevelLoader: Block 'air' lies outside the level at 3|1|1\n"
              "[Warn] LevelLoader: Block 'stair' lies outside the level at -1|0|0\n");
    // The first block of a cell stays.
    EXPECT_NE(std::find(parsed.entries.begin(), parsed.entries.end(), "air @1|1|1"),
              parsed.entries.end());
}

TEST_F(LevelFiles, BallsGoOnlyIntoCellsNamedAnywhereInTheFile) {
    const Parsed parsed = parse(header3 + "ball 1 1 1\n" // before its cell's line
                                          "ball 7 7 7\n" // outside
                                          "air 1 1 1\n"
                                          "ball 1 2 1\n" // rock
                                          "door 1 0 1\n"
                                          "ball 1 0 1\n"
                                          "ball -1 1 1\n"
                                          "ball 1 1 1\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.warnings,
              "[Warn] LevelLoader: Item 'ball' in line 6 lies outside the level at 7|7|7\n"
              "[Warn] LevelLoader: Item 'ball' in line 8 lies in rock at 1|2|1\n"
              "[Warn] LevelLoader: Item 'ball' in line 11 lies outside the level at -1|1|1\n");
    // The balls kept come first, in file order, before every cell.
    ASSERT_GE(parsed.entries.size(), 4u);
    const std::vector<std::string> first(parsed.entries.begin(), parsed.entries.begin() + 4);
    EXPECT_EQ(first, (std::vector<std::string>{"ball @1|1|1", "ball @1|0|1", "ball @1|1|1",
                                               "wall 0x8 @0|0|1"}));
}

TEST_F(LevelFiles, OrientationsBeyondZeroToThreeTurnDrawingAndBodiesLikeTheirRemainder) {
    const auto turnedBlocks = [this](int orientation) {
        const std::string o = std::to_string(orientation);
        LevelLoader loader(write("xDim 5\nyDim 1\nzDim 1\nplayer 0 0 0\n"
                                 "door 0 0 0 " +
                                 o +
                                 "\n"
                                 "stair 1 0 0 " +
                                 o +
                                 "\n" // plank
                                 "stair 2 0 0 " +
                                 o +
                                 " 0 1\n" // wedge and rubble
                                 "timemachine 3 0 0 " +
                                 o + "\n"));
        TurnSink sink;
        LevelHeader header;
        std::string error;
        std::ostringstream out;
        EXPECT_TRUE(loader.parse(sink, header, error, out)) << error;
        return sink.blocks;
    };
    for (const auto& [written, used] : {std::pair{4, 0}, {7, 3}, {-1, 3}, {-6, 2}}) {
        SCOPED_TRACE("orientation " + std::to_string(written));
        const std::vector<Turned> actual = turnedBlocks(written);
        const std::vector<Turned> expected = turnedBlocks(used);
        ASSERT_EQ(actual.size(), 4u);
        ASSERT_EQ(expected.size(), 4u);
        for (std::size_t block = 0; block < actual.size(); ++block) {
            SCOPED_TRACE("block " + std::to_string(block));
            EXPECT_TRUE(near(actual[block].drawing, expected[block].drawing));
            ASSERT_EQ(actual[block].bodies.size(), expected[block].bodies.size());
            for (std::size_t body = 0; body < actual[block].bodies.size(); ++body) {
                EXPECT_TRUE(near(actual[block].bodies[body], expected[block].bodies[body]));
            }
        }
    }
    Vexmor::physics::CollisionShapeLibrary::destroyInstance();
}

TEST_F(LevelFiles, OutOfRangeParametersAreWarnedWithTheirLineAndTheValueUsed) {
    const Parsed parsed = parse("xDim 6\nyDim 1\nzDim 1\nplayer 0 0 0\n"
                                "door 0 0 0 7 5\n"
                                "stair 1 0 0 -1 9 1\n"
                                "timemachine 2 0 0 4\n"
                                "stair 3 0 0 2 4 1\n"
                                "door 4 0 0 -4 2\n"
                                "door 5 0 0 0 -1\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.warnings,
              "[Warn] LevelLoader: Block 'door' in line 5 has orientation 7, using 3\n"
              "[Warn] LevelLoader: Block 'door' in line 5 has unknown door kind 5, using 0\n"
              "[Warn] LevelLoader: Block 'stair' in line 6 has orientation -1, using 3\n"
              "[Warn] LevelLoader: Block 'stair' in line 6 has unknown stair condition 9, "
              "using 0\n"
              "[Warn] LevelLoader: Block 'timemachine' in line 7 has orientation 4, using 0\n"
              "[Warn] LevelLoader: Block 'door' in line 9 has orientation -4, using 0\n"
              "[Warn] LevelLoader: Block 'door' in line 10 has unknown door kind -1, using 0\n");
    const std::vector<std::string> expected = {"door 3 0 @0|0|0",      "stair 3 0 1 @1|0|0",
                                               "timemachine 0 @2|0|0", "stair 2 4 1 @3|0|0",
                                               "door 0 2 @4|0|0",      "door 0 0 @5|0|0"};
    EXPECT_EQ(parsed.entries, expected);
}

TEST_F(LevelFiles, ASingleOpenCellOpensOneFaceOfEachNeighbour) {
    const Parsed parsed = parse(header3 + "air 1 1 1\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const std::vector<std::string> expected = {
        "wall 0x8 @0|1|1",  "wall 0x1 @1|0|1", "wall 0x10 @1|1|0", "air @1|1|1",
        "wall 0x20 @1|1|2", "wall 0x2 @1|2|1", "wall 0x4 @2|1|1"};
    EXPECT_EQ(parsed.entries, expected);
}

TEST_F(LevelFiles, AFloorEndingOverADropHasItsEdgeMarkedInTheErasWhereNothingStandsBeyond) {
    // A ledge (x=0, on the rock below) beside a shaft (x=1), one row of z per case: open
    // shaft; a stair down in the shaft that stands only in the bright era; a stair on the
    // ledge itself; a stair on the ledge that stands only in the dark era.
    const Parsed parsed = parse("xDim 2\nyDim 2\nzDim 4\nplayer 0 1 0\n"
                                "air 0 1 0\nair 1 0 0\nair 1 1 0\n"
                                "air 0 1 1\nstair 1 0 1 1 4\nair 1 1 1\n"
                                "stair 0 1 2 0 0\nair 1 0 2\nair 1 1 2\n"
                                "stair 0 1 3 0 3\nair 1 0 3\nair 1 1 3\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    std::vector<std::string> ledges;
    for (const std::string& entry : parsed.entries) {
        if (entry.rfind("wall", 0) == 0 && entry.find("@0|0|") != std::string::npos) {
            ledges.push_back(entry);
        }
    }
    // Bright before dark; 0x8 is the side toward +x. Between the ledge's own cells (z)
    // the rock goes on, so no edge there.
    const std::vector<std::string> expected = {"wall 0x9 drops 0x8/0x8 @0|0|0",
                                               "wall 0x9 drops 0x0/0x8 @0|0|1", "wall 0x9 @0|0|2",
                                               "wall 0x9 drops 0x8/0x0 @0|0|3"};
    EXPECT_EQ(ledges, expected);
}

TEST_F(LevelFiles, ItemsComeFirstThenCellsInXYZOrderWithTheirParameters) {
    const Parsed parsed = parse("xDim 3\nyDim 1\nzDim 1\nplayer 0 0 0\n"
                                "timemachine 2 0 0 3\n"
                                "door 1 0 0 1 2\n"
                                "ball 0 0 0\n"
                                "stair 0 0 0 2\n"
                                "ball 0 0 0\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const std::vector<std::string> expected = {"ball @0|0|0", "ball @0|0|0", "stair 2 0 0 @0|0|0",
                                               "door 1 2 @1|0|0", "timemachine 3 @2|0|0"};
    EXPECT_EQ(parsed.entries, expected);

    const Parsed full = parse("xDim 1\nyDim 1\nzDim 1\nplayer 0 0 0\nstair 0 0 0 1 4 1 99\n");
    ASSERT_EQ(full.entries.size(), 1u);
    EXPECT_EQ(full.entries.front(), "stair 1 4 1 @0|0|0");
}

TEST_F(LevelFiles, AnOpenCellAtTheEdgeHasNoWallBeyondIt) {
    const Parsed parsed = parse("xDim 2\nyDim 1\nzDim 1\nplayer 0 0 0\nair 0 0 0\n");
    ASSERT_TRUE(parsed.ok);
    const std::vector<std::string> expected = {"air @0|0|0", "wall 0x4 @1|0|0"};
    EXPECT_EQ(parsed.entries, expected);
}

TEST_F(LevelFiles, ALevelWithoutCellsBuildsNothingHoweverLongItsOtherSides) {
    // Its long sides are not walked: where the empty loops are kept, as in the fuzzing
    // build, that took minutes.
    const Parsed parsed = parse("zDim 0\nxDim 3\nyDim 2147483647\nplayer 0 0 0\nair 0 0 0\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.header.yDim, 2147483647);
    EXPECT_TRUE(parsed.entries.empty());
    EXPECT_EQ(parsed.warnings, "[Warn] LevelLoader: Block 'air' lies outside the level at 0|0|0\n");
}

TEST_F(LevelFiles, AMissingFileIsReportedThenFailsOnItsDimensions) {
    CoutCapture capture;
    LevelLoader loader((dir / "missing.lvl").string());
    RecordingSink sink;
    LevelHeader header;
    std::string error;
    EXPECT_FALSE(loader.parse(sink, header, error));
    EXPECT_EQ(error, "The first three tags must contain the dimensions of the map!");
    EXPECT_NE(capture.text().find("Not found: "), std::string::npos);
}

TEST_F(LevelFiles, ACorruptLevelEndsTheGameWithStatusFiveAfterAPause) {
    const std::string file = write("xDim 3\nplayer 1 1 1\n");
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            LevelLoader(file).loadLevel();
        },
        ::testing::ExitedWithCode(5),
        "^\\[ERROR\\] Currupted Level file: The first three tags must contain the dimensions of "
        "the map!\nPress any key to continue \\. \\. \\. \n$");
}
