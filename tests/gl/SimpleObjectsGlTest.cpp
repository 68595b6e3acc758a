#include "LevelObjectGl.h"
#include "common/CoutCapture.h"

#include "gameobject/Sphere.h"
#include "gameobject/Stair.h"
#include "gameobject/WallPanel.h"
#include "physics/OwnedRigidBody.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"

#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>
#include <glm/gtc/matrix_transform.hpp>

using Vexmor::gameobject::Sphere;
using Vexmor::gameobject::Stair;
using Vexmor::gameobject::WallPanel;

namespace {

using SimpleObjectsGl = LevelObjectGl;

const glm::mat4 cell = glm::translate(glm::mat4(1.0f), glm::vec3(1.25f, 3.75f, 6.25f));

} // namespace

TEST_F(SimpleObjectsGl, StairsChooseModelAndTextureByAppearanceAndBlock) {
    struct Case {
        int appearance;
        int withBlock;
        const char* model;
        const char* texture;
    };
    const Case cases[] = {
        {0, 0, "models\\stairs.obj", "img\\Stairs.png"},
        {1, 1, "models\\stairs_block.obj", "img\\StairsDirty.png"},
        {2, 0, "models\\stairs_destructed.obj", "img\\Wall_destructed.png"},
        {2, -3, "models\\stairs_block_destructed.obj", "img\\Wall_destructed.png"},
        {3, 0, "models\\stairs_destructed.obj", "img\\WallDirty_destructed.png"},
        {3, 1, "models\\stairs_block_destructed.obj", "img\\WallDirty_destructed.png"},
        {7, 0, "models\\stairs.obj", "img\\Stairs.png"},
        {-1, 2, "models\\stairs_block.obj", "img\\Stairs.png"},
    };
    for (const Case& c : cases) {
        const Stair stair(cell, c.appearance, c.withBlock);
        EXPECT_EQ(stair.getModel(), modelNamed(c.model)) << c.appearance << "/" << c.withBlock;
        EXPECT_EQ(stair.getTexture(), c.texture) << c.appearance << "/" << c.withBlock;
        EXPECT_EQ(stair.getTransform(), cell);
    }
}

TEST_F(SimpleObjectsGl, WallPanelsAreFloorOrWallAndDarkForAppearancesOneAndThree) {
    const char* const bright[] = {"img\\Wall.png",      "img\\Wall.png", "img\\FloorCeil.png",
                                  "img\\FloorCeil.png", "img\\Wall.png", "img\\Wall.png"};
    const char* const dark[] = {"img\\WallDirty.png",      "img\\WallDirty.png",
                                "img\\FloorCeilDirty.png", "img\\FloorCeilDirty.png",
                                "img\\WallDirty.png",      "img\\WallDirty.png"};
    for (int face = 0; face < 6; ++face) {
        for (int appearance = 0; appearance < 5; ++appearance) {
            const WallPanel panel(cell, face, appearance);
            const bool isDark = appearance == 1 || appearance == 3;
            EXPECT_EQ(panel.getTexture(), isDark ? dark[face] : bright[face])
                << "face " << face << ", appearance " << appearance;
            EXPECT_EQ(panel.getModel(), modelNamed("models\\Plane.obj"));
        }
    }
}

TEST_F(SimpleObjectsGl, OnlyAppearanceOneMakesTheBallDirty) {
    const char* const expected[] = {"img\\Wall.png", "img\\WallDirty.png", "img\\Wall.png",
                                    "img\\Wall.png"};
    for (int appearance = 0; appearance < 4; ++appearance) {
        const Sphere ball(5, appearance);
        EXPECT_EQ(ball.getTexture(), expected[appearance]) << "appearance " << appearance;
        EXPECT_EQ(ball.getModel(), modelNamed("models\\sphere.obj"));
        EXPECT_EQ(ball.getTransform(), glm::mat4(1.0f));
    }
}

TEST_F(SimpleObjectsGl, TheBallReportsWhereItIsEachTimeBIsReleased) {
    btTransform start;
    start.setIdentity();
    start.setOrigin(btVector3(1.5f, 2.25f, -3.0f));
    Vexmor::physics::OwnedRigidBody body(
        20.0f, Vexmor::physics::CollisionShapeLibrary::getInstance().getSphere(0.5f), start);
    Sphere ball(0, 0);
    ball.setPhysicsBody(body.get());

    Vexmor::platform::ScriptedInput input;
    Vexmor::platform::setActiveInput(&input);
    CoutCapture console;
    ball.update(0.1);
    input.press('B');
    for (int frame = 0; frame < 3; ++frame) {
        ball.update(0.1);
    }
    EXPECT_EQ(console.text(), "");
    input.release('B');
    ball.update(0.1);
    ball.update(0.1);
    EXPECT_EQ(console.text(), "Ball at 1.5|2.25|-3\n");

    input.press('B');
    ball.update(0.1);
    input.release('B');
    start.setOrigin(btVector3(0.5f, 0.0f, 4.0f));
    body.getMotionState()->setWorldTransform(start);
    ball.update(0.1);
    Vexmor::platform::setActiveInput(nullptr);
    EXPECT_EQ(console.text(), "Ball at 1.5|2.25|-3\nBall at 0.5|0|4\n");
}
