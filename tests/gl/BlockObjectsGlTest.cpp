#include "LevelObjectGl.h"
#include "common/CoutCapture.h"
#include "common/GeneratedLevel.h"

#include "gameobject/Door.h"
#include "gameobject/DoorFrame.h"
#include "gameobject/FloorEdge.h"
#include "gameobject/Sphere.h"
#include "gameobject/Stair.h"
#include "gameobject/WallPanel.h"
#include "gameobject/timemachine/TimeMachine.h"
#include "gameobject/timemachine/UsePlate.h"
#include "levelloader/LevelLoader.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btCompoundShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>

#include <chrono>
#include <sstream>

using namespace Vexmor;
using levelloader::LevelData;

namespace {

class BlockObjectsGl : public LevelObjectGl {
protected:
    LevelData load(const std::string& text) {
        data->write("levels/test.lvl", text);
        CoutCapture quiet;
        return levelloader::LevelLoader("levels\\test.lvl").loadLevel();
    }

    template <typename T> static std::vector<T*> ofType(const levelloader::ObjectList& objects) {
        std::vector<T*> found;
        for (const auto& object : objects) {
            if (auto* typed = dynamic_cast<T*>(object.get())) {
                found.push_back(typed);
            }
        }
        return found;
    }

    static btVector3 origin(const std::unique_ptr<physics::OwnedRigidBody>& body) {
        return body->get()->getCenterOfMassPosition();
    }
};

// A vector's direction after a body's rotation.
btVector3 turned(const std::unique_ptr<physics::OwnedRigidBody>& body, const btVector3& v) {
    return body->get()->getWorldTransform().getBasis() * v;
}

bool near(const btVector3& a, const btVector3& b) {
    return (a - b).length() < 1e-4f;
}

} // namespace

TEST_F(BlockObjectsGl, AnEnclosedAirCellGetsSixPanelsAndSixWallBodiesPerEra) {
    const LevelData level = load("xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\nair 1 1 1\n");
    ASSERT_EQ(level.darkObjects.size(), 6u);
    ASSERT_EQ(level.brightObjects.size(), 6u);
    EXPECT_EQ(level.darkBodies.size(), 6u);
    EXPECT_EQ(level.brightBodies.size(), 6u);
    // Wall (0,1,1) comes first in x, y, z order; its panel faces +x, toward the air.
    const glm::mat4& panel = level.darkObjects.front()->getTransform();
    EXPECT_NEAR(panel[2].x, 1.0f, 1e-5f);
    EXPECT_NEAR(panel[3].x, 1.25f, 1e-5f);
    EXPECT_EQ(level.darkObjects.front()->getTexture(), "img\\WallDirty.png");
    EXPECT_EQ(level.brightObjects.front()->getTexture(), "img\\Wall.png");
    // Second is the floor below the air, facing up.
    EXPECT_EQ(level.darkObjects[1]->getTexture(), "img\\FloorCeilDirty.png");
    EXPECT_NEAR(level.darkObjects[1]->getTransform()[2].y, 1.0f, 1e-5f);
    EXPECT_TRUE(near(origin(level.darkBodies.front()), btVector3(1.25f, 3.75f, 3.75f)));

    const LevelData rock = load("xDim 4\nyDim 2\nzDim 3\nplayer 1 1 1\n");
    EXPECT_TRUE(rock.darkObjects.empty() && rock.brightObjects.empty());
    EXPECT_TRUE(rock.darkBodies.empty() && rock.brightBodies.empty());
}

TEST_F(BlockObjectsGl, ALedgeOverAShaftGetsAKerbOnItsEdgeFacingTheDrop) {
    // The ledge 0|1|1 stands on rock; the shaft beside it (x = 1) is open to the bottom.
    const LevelData level = load("xDim 3\nyDim 2\nzDim 3\nplayer 0 1 1\n"
                                 "air 0 1 1\nair 1 0 1\nair 1 1 1\n");
    for (const levelloader::ObjectList* objects : {&level.darkObjects, &level.brightObjects}) {
        const auto kerbs = ofType<gameobject::FloorEdge>(*objects);
        ASSERT_EQ(kerbs.size(), 1u);
        const glm::mat4& kerb = kerbs.front()->getTransform();
        // On the rock's top face, at the middle of its side toward +x, looking over the drop.
        EXPECT_NEAR(kerb[3].x, 2.5f, 1e-5f);
        EXPECT_NEAR(kerb[3].y, 2.5f, 1e-5f);
        EXPECT_NEAR(kerb[3].z, 3.75f, 1e-5f);
        EXPECT_NEAR(kerb[2].x, 1.0f, 1e-5f);
        EXPECT_NEAR(kerb[1].y, 1.0f, 1e-5f);
        EXPECT_EQ(kerbs.front()->getTexture(),
                  objects == &level.darkObjects ? "img\\Wall.png" : "img\\Stairs.png");
        EXPECT_NE(kerbs.front()->getModel(), nullptr);
    }
}

TEST_F(BlockObjectsGl, DoorKindsGiveEachEraItsDoorStateAndBodies) {
    const LevelData level = load("xDim 3\nyDim 1\nzDim 1\nplayer 0 0 0\n"
                                 "door 0 0 0 1 2\nair 1 0 0\ndoor 2 0 0 7 0\n");
    const auto darkDoors = ofType<gameobject::Door>(level.darkObjects);
    const auto brightDoors = ofType<gameobject::Door>(level.brightObjects);
    ASSERT_EQ(darkDoors.size(), 2u);
    ASSERT_EQ(brightDoors.size(), 2u);
    EXPECT_EQ(darkDoors[0]->getState(), gameobject::Door::Fallen);
    EXPECT_EQ(brightDoors[0]->getState(), gameobject::Door::Locked);
    EXPECT_EQ(darkDoors[1]->getState(), gameobject::Door::Normal);
    EXPECT_EQ(ofType<gameobject::DoorFrame>(level.darkObjects).size(), 2u);
    // The doors are the eras' interactables, in order.
    ASSERT_EQ(level.darkInteractables.size(), 2u);
    EXPECT_EQ(level.darkInteractables[0], darkDoors[0]);
    EXPECT_EQ(level.brightInteractables[1], brightDoors[1]);

    // Dark: the fallen door has no body, so [frame] then [frame, leaf]; bright: both leaves.
    ASSERT_EQ(level.darkBodies.size(), 3u);
    ASSERT_EQ(level.brightBodies.size(), 4u);
    EXPECT_NE(dynamic_cast<btCompoundShape*>(level.darkBodies[0]->get()->getCollisionShape()),
              nullptr);
    EXPECT_EQ(level.brightBodies[1]->get(), brightDoors[0]->getCollisionBody());

    // Orientation 1 turns door, frame and frame body by 90 degrees, with no tilt.
    EXPECT_NEAR(brightDoors[0]->getTransform()[2].x, 1.0f, 1e-5f);
    EXPECT_TRUE(near(turned(level.brightBodies[0], btVector3(0, 0, 1)), btVector3(1, 0, 0)));
    EXPECT_TRUE(near(turned(level.brightBodies[0], btVector3(0, 1, 0)), btVector3(0, 1, 0)));
    // Orientation 7 is 3: door and frame body turn by 270 degrees alike.
    EXPECT_NEAR(brightDoors[1]->getTransform()[2].x, -1.0f, 1e-5f);
    EXPECT_TRUE(near(turned(level.brightBodies[2], btVector3(0, 0, 1)), btVector3(-1, 0, 0)));
}

TEST_F(BlockObjectsGl, StairConditionsDecidePerEraWhetherAStairStandsAndItsBody) {
    struct Case {
        int condition;
        int withBlock;
        const char* darkTexture;   // null: no stair
        const char* brightTexture; // null: no stair
        std::size_t darkBodies;
        std::size_t brightBodies;
    };
    const Case cases[] = {
        {0, 0, "img\\WallDirty_destructed.png", "img\\Stairs.png", 0, 1},
        {0, 1, "img\\WallDirty_destructed.png", "img\\Stairs.png", 1, 1},
        {1, 0, "img\\WallDirty_destructed.png", "img\\Wall_destructed.png", 0, 0},
        {2, 0, "img\\StairsDirty.png", "img\\Stairs.png", 1, 1},
        {3, 0, "img\\WallDirty_destructed.png", nullptr, 0, 0},
        {3, 1, "img\\WallDirty_destructed.png", nullptr, 1, 0},
        {4, 1, nullptr, "img\\Stairs.png", 0, 1},
    };
    for (const Case& c : cases) {
        std::ostringstream text;
        text << "xDim 1\nyDim 1\nzDim 1\nplayer 0 0 0\nstair 0 0 0 0 " << c.condition << " "
             << c.withBlock << "\n";
        const LevelData level = load(text.str());
        const auto dark = ofType<gameobject::Stair>(level.darkObjects);
        const auto bright = ofType<gameobject::Stair>(level.brightObjects);
        const std::string label =
            "condition " + std::to_string(c.condition) + " block " + std::to_string(c.withBlock);
        ASSERT_EQ(dark.size(), c.darkTexture ? 1u : 0u) << label;
        ASSERT_EQ(bright.size(), c.brightTexture ? 1u : 0u) << label;
        if (c.darkTexture) {
            EXPECT_EQ(dark[0]->getTexture(), c.darkTexture) << label;
        }
        if (c.brightTexture) {
            EXPECT_EQ(bright[0]->getTexture(), c.brightTexture) << label;
        }
        ASSERT_EQ(level.darkBodies.size(), c.darkBodies) << label;
        ASSERT_EQ(level.brightBodies.size(), c.brightBodies) << label;
        for (const auto* bodies : {&level.darkBodies, &level.brightBodies}) {
            for (const auto& body : *bodies) {
                EXPECT_FLOAT_EQ(body->get()->getFriction(), 0.1f) << label;
            }
        }
    }
    // The intact plank rises toward -z at 45 degrees; the rubble lies lower and flatter.
    const LevelData intact = load("xDim 1\nyDim 1\nzDim 1\nplayer 0 0 0\nstair 0 0 0 0 2 0\n");
    const btVector3 slope = turned(intact.darkBodies[0], btVector3(0, 0, -1));
    EXPECT_NEAR(slope.y(), std::sqrt(0.5f), 1e-4f);
    const LevelData rubble = load("xDim 1\nyDim 1\nzDim 1\nplayer 0 0 0\nstair 0 0 0 0 1 1\n");
    EXPECT_NEAR(origin(rubble.darkBodies[0]).y(), 0.5f, 1e-5f);
}

TEST_F(BlockObjectsGl, TheTimeMachineStandsAtTheCellCornerAndEndsTheLevelInBothEras) {
    const LevelData level = load("xDim 2\nyDim 1\nzDim 2\nplayer 0 0 0\ntimemachine 0 0 0\n");
    const auto dark = ofType<gameobject::TimeMachine>(level.darkObjects);
    const auto bright = ofType<gameobject::TimeMachine>(level.brightObjects);
    ASSERT_EQ(dark.size(), 1u);
    ASSERT_EQ(bright.size(), 1u);
    ASSERT_EQ(level.levelEnders.size(), 2u);
    EXPECT_EQ(level.levelEnders[0], static_cast<gameobject::LevelEnder*>(bright[0]));
    EXPECT_EQ(level.levelEnders[1], static_cast<gameobject::LevelEnder*>(dark[0]));
    EXPECT_EQ(dark[0]->getWorldPosition(), glm::vec3(2.5f, 1.25f, 2.5f));
    // The machine's sphere, then the two walls that face its cell.
    ASSERT_EQ(level.darkBodies.size(), 3u);
    EXPECT_TRUE(near(origin(level.darkBodies[0]), btVector3(2.5f, 1.25f, 2.5f)));
    EXPECT_EQ(level.darkInteractables.front(), static_cast<gameobject::Interactable*>(dark[0]));

    // Each era has a plate on the floor, brighter than the machine, before the side the
    // machine answers from, whichever way the block turns it.
    for (int orientation = 0; orientation < 4; ++orientation) {
        const LevelData turned = load("xDim 2\nyDim 1\nzDim 2\nplayer 0 0 0\ntimemachine 0 0 0 " +
                                      std::to_string(orientation) + "\n");
        for (const auto* objects : {&turned.darkObjects, &turned.brightObjects}) {
            const auto plates = ofType<gameobject::timemachine::UsePlate>(*objects);
            auto* machine = ofType<gameobject::TimeMachine>(*objects).at(0);
            ASSERT_EQ(plates.size(), 1u);
            EXPECT_GT(plates[0]->getEmission(), machine->getParts()[0]->getEmission());
            // Three units out on the plate's side, facing it, a player reaches it; opposite not.
            glm::vec3 out = plates[0]->getWorldPosition() - machine->getWorldPosition();
            out = glm::normalize(glm::vec3(out.x, 0.0f, out.z));
            EXPECT_TRUE(machine->isInRange(machine->getWorldPosition() + out * 2.0f));
            EXPECT_FALSE(machine->isInRange(machine->getWorldPosition() - out * 2.0f));
        }
    }
}

TEST_F(BlockObjectsGl, EachBallItemGivesEachEraItsOwnRollingBall) {
    const LevelData level =
        load("xDim 2\nyDim 1\nzDim 1\nplayer 0 0 0\nair 0 0 0\nball 0 0 0\nball 0 0 0\n");
    const auto dark = ofType<gameobject::Sphere>(level.darkObjects);
    const auto bright = ofType<gameobject::Sphere>(level.brightObjects);
    ASSERT_EQ(dark.size(), 2u);
    ASSERT_EQ(bright.size(), 2u);
    // Items come before every cell's objects.
    EXPECT_EQ(level.darkObjects[0].get(), dark[0]);
    EXPECT_EQ(level.darkObjects[1].get(), dark[1]);
    std::set<btRigidBody*> bodies;
    for (const auto* list : {&dark, &bright}) {
        for (gameobject::Sphere* ball : *list) {
            bodies.insert(ball->getPhysicsBody());
            EXPECT_FLOAT_EQ(ball->getPhysicsBody()->getInvMass(), 1.0f / 20.0f);
            EXPECT_FLOAT_EQ(ball->getPhysicsBody()->getRollingFriction(), 10.0f);
        }
    }
    EXPECT_EQ(bodies.size(), 4u);
    EXPECT_EQ(level.darkBodies[0]->get(), dark[0]->getPhysicsBody());
    EXPECT_EQ(level.brightBodies[1]->get(), bright[1]->getPhysicsBody());
    EXPECT_EQ(dark[0]->getWorldPosition(), glm::vec3(1.25f));
}

TEST_F(BlockObjectsGl, ALargeLevelLoadsQuickly) {
    // 64 x 8 x 64: three storeys of open floor with pillars, stairs and doors between.
    const GeneratedLevel generated = generateLevel(64, 8, 64);
    const auto start = std::chrono::steady_clock::now();
    const LevelData level = load(generated.text);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const std::size_t objects = level.darkObjects.size() + level.brightObjects.size();
    std::cout << "64 x 8 x 64 level with " << generated.namedCells << " named cells: " << objects
              << " objects, " << level.darkBodies.size() + level.brightBodies.size()
              << " bodies, loaded in " << seconds.count() << " s" << std::endl;
    EXPECT_GT(objects, 20000u);
    EXPECT_LT(seconds.count(), 3.0) << "well under a second on a developer machine";
}
