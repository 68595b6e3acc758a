#include "gameobject/Player.h"
#include "physics/BodyTag.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ControlSettings.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <gtest/gtest.h>

#include <cmath>

using Vexmor::gameobject::Player;
using Vexmor::platform::ScriptedInput;
namespace key = Vexmor::platform::key;
namespace platform = Vexmor::platform;

namespace {

// A player outside any world: impulses change its velocity directly (mass 1), so one
// frame's push can be read off the body. A frame at 60 Hz is one update and one sub-step.
class PlayerControls : public ::testing::Test {
protected:
    void SetUp() override { input.setCursorPosition({400, 300}); }
    void TearDown() override { Vexmor::physics::CollisionShapeLibrary::destroyInstance(); }

    btVector3 frame(double seconds = 1.0 / 60.0) {
        player.getBody()->setLinearVelocity(btVector3(0, 0, 0));
        player.update(seconds);
        player.tick(static_cast<float>(seconds));
        return player.getBody()->getLinearVelocity();
    }

    ScriptedInput input;
    Player player{{0.0f, 0.0f, 0.0f}, input};
};

} // namespace

TEST_F(PlayerControls, StartsAtTheCellCentreWithTheEyeHalfAUnitAbove) {
    btTransform placed;
    player.getBody()->getMotionState()->getWorldTransform(placed);
    EXPECT_EQ(placed.getOrigin(), btVector3(1.25f, 1.25f, 1.25f));
    auto* tag = static_cast<Vexmor::physics::BodyTag*>(player.getBody()->getUserPointer());
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->kind, Vexmor::physics::BodyTag::player);
    player.update(0.0);
    EXPECT_EQ(player.getCamera().position, glm::vec3(1.25f, 1.75f, 1.25f));
    EXPECT_EQ(player.getBody()->getAngularFactor(), btVector3(0, 0, 0));
}

TEST_F(PlayerControls, OpposingKeysFavourLeftAndBackward) {
    player.setOnGround(true);
    input.press('A');
    input.press('D');
    btVector3 v = frame();
    EXPECT_FLOAT_EQ(v.x(), -75.0f / 60.0f);
    EXPECT_FLOAT_EQ(v.z(), 0.0f);

    input.releaseAll();
    input.press('W');
    input.press('S');
    v = frame();
    EXPECT_FLOAT_EQ(v.z(), 75.0f / 60.0f) << "the camera looks along -z; S wins";

    input.press(key::LeftShift);
    v = frame();
    EXPECT_FLOAT_EQ(v.z(), 1.5f * 75.0f / 60.0f);
}

TEST_F(PlayerControls, FrictionBrakesWhenStandingAndNothingPushesInTheAir) {
    frame();
    EXPECT_FLOAT_EQ(player.getBody()->getFriction(), Player::standingFriction);
    input.press('W');
    const btVector3 v = frame();
    EXPECT_FLOAT_EQ(player.getBody()->getFriction(), Player::movingFriction);
    EXPECT_EQ(v, btVector3(0, 0, 0)) << "not on ground";
}

TEST_F(PlayerControls, HorizontalPushStopsAtTheSpeedCapButJumpsStillLift) {
    player.setOnGround(true);
    input.press('D');
    player.update(1.0 / 60.0);
    player.getBody()->setLinearVelocity(btVector3(3.0f, 0, 0));
    player.tick(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(player.getBody()->getLinearVelocity().x(), 3.0f);
    player.getBody()->setLinearVelocity(btVector3(2.9f, 0, 0));
    player.tick(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(player.getBody()->getLinearVelocity().x(), 2.9f + 75.0f / 60.0f);
    // The push follows the sub-step's time, not the frame's: a frame without a sub-step
    // pushes nothing, one with two pushes twice.
    player.getBody()->setLinearVelocity(btVector3(0, 0, 0));
    player.update(0.25);
    EXPECT_FLOAT_EQ(player.getBody()->getLinearVelocity().x(), 0.0f);
    player.tick(1.0f / 60.0f);
    player.tick(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(player.getBody()->getLinearVelocity().x(), 2.0f * 75.0f / 60.0f);
}

TEST_F(PlayerControls, AJumpLiftsInTwoFramesAndOnlyOnAFreshPress) {
    player.setOnGround(true);
    input.press(key::Space);
    EXPECT_FLOAT_EQ(frame().y(), 2.5f);
    EXPECT_FLOAT_EQ(frame().y(), 2.5f);
    EXPECT_FLOAT_EQ(frame().y(), 0.0f);
    EXPECT_FLOAT_EQ(frame().y(), 0.0f) << "holding space does not repeat";
    input.release(key::Space);
    frame();
    input.press(key::Space);
    EXPECT_FLOAT_EQ(frame().y(), 2.5f);

    // Fast frames: a press seen by updates between sub-steps still lifts in two sub-steps.
    input.release(key::Space);
    frame();
    frame();
    input.press(key::Space);
    player.getBody()->setLinearVelocity(btVector3(0, 0, 0));
    for (int i = 0; i < 3; ++i) {
        player.update(1.0 / 144.0);
    }
    EXPECT_FLOAT_EQ(player.getBody()->getLinearVelocity().y(), 0.0f);
    player.tick(1.0f / 60.0f);
    player.update(1.0 / 144.0);
    player.tick(1.0f / 60.0f);
    player.tick(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(player.getBody()->getLinearVelocity().y(), 5.0f);
}

TEST_F(PlayerControls, TheMouseTurnsHalfADegreePerPixelAndPitchStopsShortOfVertical) {
    input.setCursorPosition({398, 300});
    frame();
    EXPECT_FLOAT_EQ(player.getCamera().rotation.y, 1.0f);
    EXPECT_EQ(input.getCursorPosition(), glm::dvec2(400.0, 300.0)) << "cursor put back";

    input.setCursorPosition({404, 300});
    frame();
    EXPECT_FLOAT_EQ(player.getCamera().rotation.y, 359.0f);
    EXPECT_NEAR(player.getCameraMatrix()[2].x, -std::sin(0.0174533f), 1e-5f)
        << "the matrix turns in the same frame";

    input.setCursorPosition({400, 120}); // up by 90 degrees
    frame();
    EXPECT_FLOAT_EQ(player.getCamera().rotation.x, 84.9f);

    input.setCursorPosition({400, 700}); // down by 200 degrees
    frame();
    EXPECT_FLOAT_EQ(player.getCamera().rotation.x, 274.9f);

    input.setCursorPosition({400, 302});
    frame();
    EXPECT_FLOAT_EQ(player.getCamera().rotation.x, 274.9f) << "snapped again every frame";
}

TEST_F(PlayerControls, MovementFollowsTheViewOnTheGround) {
    player.setOnGround(true);
    input.setCursorPosition({220, 300}); // yaw 90: looking along -x
    frame();
    input.setCursorPosition({400, 300});
    input.press('W');
    const btVector3 v = frame();
    EXPECT_NEAR(v.x(), -75.0f / 60.0f, 1e-4f);
    EXPECT_NEAR(v.z(), 0.0f, 1e-4f);
    EXPECT_FLOAT_EQ(v.y(), 0.0f);
}

TEST_F(PlayerControls, APushIntoAWallIsTurnedAlongIt) {
    player.setOnGround(true);
    input.press('W');
    input.press('A'); // forward and left: along (-1, -1) on the ground
    player.update(1.0 / 60.0);
    const float diagonal = 75.0f / 60.0f / std::sqrt(2.0f);
    player.tick(1.0f / 60.0f, {{{1.0f, 0.0f}}}); // a wall on the left
    btVector3 v = player.getBody()->getLinearVelocity();
    EXPECT_NEAR(v.x(), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(v.z(), -diagonal);

    player.getBody()->setLinearVelocity(btVector3(0, 0, 0));
    player.tick(1.0f / 60.0f, {{{-1.0f, 0.0f}}}); // one on the right is walked away from
    v = player.getBody()->getLinearVelocity();
    EXPECT_FLOAT_EQ(v.x(), -diagonal);
    EXPECT_FLOAT_EQ(v.z(), -diagonal);
}

TEST_F(PlayerControls, TheStickWalksByHowFarItLeansAndTheSettingsTurnTheView) {
    player.setOnGround(true);
    input.connectPad(true);
    input.setAxis(platform::pad::LeftY, -0.6f); // half way beyond the dead zone
    btVector3 v = frame();
    EXPECT_FLOAT_EQ(v.z(), -0.5f * 75.0f / 60.0f);
    input.setAxis(platform::pad::LeftTrigger, 1.0f);
    v = frame();
    EXPECT_FLOAT_EQ(v.z(), -0.75f * 75.0f / 60.0f) << "the trigger runs";

    platform::ControlSettings& settings = platform::controlSettings();
    const platform::ControlSettings before = settings;
    settings.degreesPerPixel = 0.25f;
    settings.invertY = true;
    input.setCursorPosition({397.0, 301.0});
    frame();
    settings = before;
    EXPECT_FLOAT_EQ(player.getCamera().rotation.y, 0.75f);
    EXPECT_FLOAT_EQ(player.getCamera().rotation.x, 0.25f);
}
