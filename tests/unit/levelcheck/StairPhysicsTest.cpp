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

// Walks with one key held for a few seconds, jumping now and then, the way the level
// drives the player, and tells on which floor he ends up.
int floorReached(const std::string& level, int era, int walkKey = 'W') {
    BodySink sink(era);
    const levelloader::LevelHeader header = parse(level, sink);
    physics::PhysicsWorld world;
    for (const auto& body : sink.bodies) {
        world.addRigidBody(body->get());
    }
    platform::ScriptedInput input;
    input.setCursorPosition({400, 300});
    int reached = 0;
    {
        gameobject::Player player(header.playerStart, input);
        world.addRigidBody(player.getBody());
        world.installGroundContactCallback();
        world.setPreTickAction([&player](float step) { player.tick(step); });
        physics::setGroundContactSeen(false);
        bool onGround = false;
        double sampleTimer = 0.1;
        input.press(walkKey);
        constexpr double frame = 1.0 / 60.0;
        for (int step = 0; step < 6 * 60; ++step) {
            if (step % 40 == 0) {
                input.press(platform::key::Space);
            } else if (step % 40 == 3) {
                input.release(platform::key::Space);
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
        btTransform placed;
        player.getBody()->getMotionState()->getWorldTransform(placed);
        reached = static_cast<int>(std::floor(placed.getOrigin().y() / 2.5f));
        world.removeRigidBody(player.getBody());
        world.setPreTickAction(nullptr);
    }
    for (const auto& body : sink.bodies) {
        world.removeRigidBody(body->get());
    }
    return reached;
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
