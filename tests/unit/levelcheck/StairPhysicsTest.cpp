#include "gameobject/Player.h"
#include "levelcheck/LevelLayout.h"
#include "levelloader/BlockAlignedObject.h"
#include "levelloader/LevelLoader.h"
#include "levelloader/StairBlock.h"
#include "levelloader/Wall.h"
#include "physics/CollisionShapeLibrary.h"
#include "physics/GroundContact.h"
#include "physics/PhysicsWorld.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

// The checker counts on intact stairs being climbable and on rubble and a bare step one
// cell high not being so, even with jumps. Here the game's own physics and player say so.
namespace {

using namespace Vexmor;
namespace fs = std::filesystem;

// The bodies of one era's walls and stairs; doors and machines play no part here.
class BodySink : public levelloader::LevelSink {
public:
    explicit BodySink(int era) : era(era) {}

    void itemCreated(levelloader::Item&) override {}
    void blockCreated(levelloader::BlockObject& block) override {
        if (dynamic_cast<levelloader::Wall*>(&block) == nullptr &&
            dynamic_cast<levelloader::StairBlock*>(&block) == nullptr) {
            return;
        }
        for (auto& body : era == levelloader::darkEra ? block.darkBodies() : block.brightBodies()) {
            bodies.push_back(std::move(body));
        }
    }

    const int era;
    levelloader::BodyList bodies;
};

// Parses a level written for the test into a sink and returns its header.
levelloader::LevelHeader parse(const std::string& level, levelloader::LevelSink& sink) {
    const fs::path file = fs::temp_directory_path() / ("vexmor-stair-" + std::to_string(getpid()));
    std::ofstream(file) << level;
    levelloader::LevelLoader loader(file.string());
    levelloader::LevelHeader header;
    std::string error;
    std::ostringstream warnings;
    EXPECT_TRUE(loader.parse(sink, header, error, warnings)) << error;
    fs::remove(file);
    return header;
}

// How the player is driven: the keys held, a turn of the view before he sets off
// (2 pixels a degree, positive to the left), and whether he jumps now and then.
struct Walk {
    std::vector<int> keys{'W'};
    int turnPixels = 0;
    bool jumping = true;
    double seconds = 6.0;
};

// Where a walk ends: the floor, the body's centre and the mean horizontal speed of its
// last second.
struct WalkEnd {
    int floor = 0;
    btVector3 position;
    float lastSecondSpeed = 0.0f;
};

// Walks the way the level drives the player, frame by frame at 60 Hz, and tells where
// he ends up.
WalkEnd walk(const std::string& level, int era, const Walk& how) {
    BodySink sink(era);
    const levelloader::LevelHeader header = parse(level, sink);
    physics::PhysicsWorld world;
    for (const auto& body : sink.bodies) {
        world.addRigidBody(body->get());
    }
    platform::ScriptedInput input;
    input.setCursorPosition({400, 300});
    WalkEnd end;
    {
        gameobject::Player player(header.playerStart, input);
        world.addRigidBody(player.getBody());
        world.installGroundContactCallback();
        std::vector<Vexmor::physics::WallContact> walls;
        world.setPreTickAction([&](float step) {
            world.collectWallContacts(player.getBody(), walls);
            player.tick(step, walls);
        });
        physics::setGroundContactSeen(false);
        bool onGround = false;
        double sampleTimer = 0.1;
        input.setCursorPosition({400 - how.turnPixels, 300});
        for (int key : how.keys) {
            input.press(key);
        }
        constexpr double frame = 1.0 / 60.0;
        const int frames = static_cast<int>(how.seconds * 60);
        btVector3 secondAgo;
        auto centre = [&player] {
            btTransform placed;
            player.getBody()->getMotionState()->getWorldTransform(placed);
            return placed.getOrigin();
        };
        for (int step = 0; step < frames; ++step) {
            if (how.jumping && step % 40 == 0) {
                input.press(platform::key::Space);
            } else if (how.jumping && step % 40 == 3) {
                input.release(platform::key::Space);
            }
            if (step == frames - 60) {
                secondAgo = centre();
            }
            player.update(frame);
            player.setOnGround(onGround);
            sampleTimer -= frame;
            if (sampleTimer < 0.0) {
                onGround = physics::groundContactSeen();
                physics::setGroundContactSeen(false);
                sampleTimer = 0.05;
            }
            world.stepSimulation(frame);
        }
        end.position = centre();
        end.floor = static_cast<int>(std::floor(end.position.y() / 2.5f));
        const btVector3 moved = end.position - secondAgo;
        end.lastSecondSpeed = std::sqrt(moved.x() * moved.x() + moved.z() * moved.z());
        world.removeRigidBody(player.getBody());
        world.setPreTickAction(nullptr);
    }
    for (const auto& body : sink.bodies) {
        world.removeRigidBody(body->get());
    }
    return end;
}

// Walks with one key held for a few seconds, jumping now and then, and tells on which
// floor he ends up.
int floorReached(const std::string& level, int era, int walkKey = 'W') {
    Walk how;
    how.keys = {walkKey};
    return walk(level, era, how).floor;
}

// A corridor running north into the cell 3|1|3 and on, one floor up, beyond it.
std::string stepNorth(const std::string& cell) {
    return "xDim 6\nyDim 4\nzDim 7\nplayer 3 1 5\n"
           "air 3 1 5\nair 3 1 4\n" +
           cell + "air 3 2 3\nair 3 2 2\nair 3 2 1\n";
}

// The same running west, along -x, where the player strafes with A.
const std::string stairWest = "xDim 7\nyDim 4\nzDim 6\nplayer 5 1 3\n"
                              "air 5 1 3\nair 4 1 3\nstair 3 1 3 1 2\n"
                              "air 3 2 3\nair 2 2 3\nair 1 2 3\n";

class StairPhysics : public ::testing::Test {
protected:
    void TearDown() override { physics::CollisionShapeLibrary::destroyInstance(); }
};

} // namespace

TEST_F(StairPhysics, AnIntactStairTakesThePlayerUpAFloor) {
    EXPECT_EQ(floorReached(stepNorth("stair 3 1 3 0 2\n"), levelloader::darkEra), 2);
    EXPECT_EQ(floorReached(stepNorth("stair 3 1 3 0 2 1\n"), levelloader::darkEra), 2);
    EXPECT_EQ(floorReached(stepNorth("stair 3 1 3 0 0 1\n"), levelloader::brightEra), 2);
    // Orientation 1 turns the climb toward -x, the same way the checker turns it.
    EXPECT_EQ(floorReached(stairWest, levelloader::darkEra, 'A'), 2);
    levelcheck::LevelLayout layout;
    parse(stairWest, layout);
    layout.setSize({7, 4, 6});
    EXPECT_EQ(layout.at({3, 1, 3})->facing, levelcheck::Cell(-1, 0, 0));
}

TEST_F(StairPhysics, RubbleAndABareStepKeepHimDownDespiteJumping) {
    EXPECT_EQ(floorReached(stepNorth("stair 3 1 3 0 0 1\n"), levelloader::darkEra), 1);
    EXPECT_EQ(floorReached(stepNorth("stair 3 1 3 0 1 1\n"), levelloader::brightEra), 1);
    EXPECT_EQ(floorReached(stepNorth("air 3 1 3\n"), levelloader::darkEra), 1);
}

// A one-cell corridor up a stair climbing the way `orientation` turns it, from the start
// two cells behind it, at the centre of a 7 x 4 x 7 box.
std::string turnedStair(int orientation) {
    // Behind the stair is +z for orientation 0, then +x, -z, -x.
    const int behind[4][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    const int bx = behind[orientation][0];
    const int bz = behind[orientation][1];
    auto cell = [&](const char* tag, int back, int y) {
        return std::string(tag) + " " + std::to_string(3 + bx * back) + " " + std::to_string(y) +
               " " + std::to_string(3 + bz * back);
    };
    return "xDim 7\nyDim 4\nzDim 7\nplayer " + cell("", 2, 1).substr(1) + "\n" + cell("air", 2, 1) +
           "\n" + cell("air", 1, 1) + "\n" + cell("stair", 0, 1) + " " +
           std::to_string(orientation) + " 2\n" + cell("air", 0, 2) + "\n" + cell("air", -1, 2) +
           "\n" + cell("air", -2, 2) + "\n";
}

// Hugging either side wall, pressing into it as a player does who keeps to the wall, the
// player still walks up the stair, whichever way it is turned.
TEST_F(StairPhysics, KeepingToASideWallStillClimbsTheStair) {
    for (int orientation = 0; orientation < 4; ++orientation) {
        for (int side : {int('A'), int('D')}) {
            Walk how;
            how.keys = {'W', side};
            how.turnPixels = 180 * orientation; // face the way the stair climbs
            how.jumping = false;
            EXPECT_EQ(walk(turnedStair(orientation), levelloader::darkEra, how).floor, 2)
                << "orientation " << orientation << ", pressing " << char(side);
        }
    }
}

// Walking at 45 degrees into a wall slides along it instead of sticking to it.
TEST_F(StairPhysics, AWallMetAtAnAngleIsSlidAlong) {
    std::string room = "xDim 5\nyDim 3\nzDim 22\nplayer 2 1 20\n";
    for (int z = 1; z <= 20; ++z) {
        for (int x = 1; x <= 3; ++x) {
            room += "air " + std::to_string(x) + " 1 " + std::to_string(z) + "\n";
        }
    }
    Walk how;
    how.jumping = false;
    how.seconds = 4.0;
    const WalkEnd straight = walk(room, levelloader::darkEra, how);
    how.keys = {'W', 'A'};
    const WalkEnd angled = walk(room, levelloader::darkEra, how);
    EXPECT_NEAR(angled.position.x(), 2.75f, 0.01f) << "against the wall at x = 2.5";
    EXPECT_GE(angled.lastSecondSpeed, 0.6f * straight.lastSecondSpeed);
}
