#include "LevelObjectGl.h"
#include "common/CoutCapture.h"

#include "gameobject/Player.h"
#include "physics/PhysicsWorld.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/TestScreen.h"

using namespace Vexmor;

namespace {

class TestScreenGl : public LevelObjectGl {
protected:
    void SetUp() override {
        LevelObjectGl::SetUp();
        data->write("levels/testLevel.lvl",
                    "xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\nair 1 1 1\nair 1 2 1\n");
        data->write("models/gui_plane.obj", cubeObj);
        platform::setActiveInput(&input);
    }
    void TearDown() override {
        screen.close();
        platform::setActiveInput(nullptr);
        LevelObjectGl::TearDown();
    }

    void frames(int count) {
        CoutCapture quiet;
        for (int i = 0; i < count; ++i) {
            screen.update(1.0 / 60.0);
        }
    }

    bool playerIn(bool bright) const {
        return screen.getScene().getWorld(bright)->contains(
            screen.getScene().getPlayer()->getBody());
    }

    platform::ScriptedInput input;
    screen::TestScreen screen;
};

} // namespace

TEST_F(TestScreenGl, TheEraFlipsAtOnceOnAFreshPressAndTheGroundIsSensed) {
    EXPECT_EQ(screen.getLevelPath(), "levels\\testLevel.lvl");
    input.press('T');
    {
        CoutCapture quiet;
        screen.init();
    }
    frames(1);
    EXPECT_FALSE(screen.isBright()) << "held while loading";
    input.release('T');
    frames(1);
    input.press('T');
    frames(1);
    EXPECT_TRUE(screen.isBright());
    EXPECT_TRUE(playerIn(true));
    EXPECT_FALSE(playerIn(false));

    // Standing on the floor panel's wall body, the player is soon sensed on the ground.
    frames(60);
    EXPECT_TRUE(screen.getScene().isOnGround());
}
