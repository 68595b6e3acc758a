#include "gameobject/WallSteering.h"
#include "engine/Degrees.h"

#include <glm/geometric.hpp>
#include <gtest/gtest.h>

#include <cmath>

using Vexmor::gameobject::guideIntoDoorway;
using Vexmor::gameobject::steerPush;
using Vexmor::physics::Doorway;
using Vexmor::physics::WallContact;

namespace {

constexpr float radius = 0.25f;
constexpr float degree = Vexmor::engine::radiansPerDegree;

// A push of length 1 `angle` degrees off `ahead`, turned toward +x for positive angles.
glm::vec2 walk(const glm::vec2& ahead, float angle) {
    const glm::vec2 side(-ahead.y, ahead.x);
    return ahead * std::cos(angle * degree) - side * std::sin(angle * degree);
}

::testing::AssertionResult near(const glm::vec2& actual, const glm::vec2& expected) {
    if (std::abs(actual.x - expected.x) < 1e-5f && std::abs(actual.y - expected.y) < 1e-5f) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << "), expected ("
                                         << expected.x << ", " << expected.y << ")";
}

// A doorway at (10, 20), its frame square to z; seen from +z, +x is on the right.
const Doorway northward{{10.0f, 20.0f}, {0.0f, 1.0f}};

} // namespace

// Without a doorway the push only loses what goes into each wall, as before doorways
// guided anyone.
TEST(WallSteering, PlainWallsOnlyTakeThePushIntoThem) {
    const glm::vec2 at(3.0f, 4.0f);
    const WallContact west{{1.0f, 0.0f}};
    const WallContact north{{0.0f, 1.0f}};
    EXPECT_TRUE(near(steerPush({-1.0f, 0.0f}, at, radius, {west}), {0.0f, 0.0f}));
    EXPECT_TRUE(near(steerPush({-0.6f, -0.8f}, at, radius, {west}), {0.0f, -0.8f}));
    EXPECT_TRUE(near(steerPush({0.6f, -0.8f}, at, radius, {west}), {0.6f, -0.8f}));
    EXPECT_TRUE(near(steerPush({-0.6f, -0.8f}, at, radius, {west, north}), {0.0f, 0.0f}));
    EXPECT_TRUE(near(steerPush({0.6f, 0.8f}, at, radius, {}), {0.6f, 0.8f}));
}

// Meeting a jamb's face from beside the opening, straight or up to 30 degrees either way,
// from either side of the frame and in any turn of it, the whole push goes along the face
// toward the opening.
TEST(WallSteering, APushIntoAJambTurnsTowardTheOpening) {
    for (float turn : {0.0f, 90.0f, 180.0f, 270.0f}) {
        const glm::vec2 through = walk({0.0f, 1.0f}, turn);
        const glm::vec2 across(-through.y, through.x);
        const Doorway doorway{{10.0f, 20.0f}, through};
        for (float side : {1.0f, -1.0f}) {
            const WallContact face{through * side, &doorway};
            for (float aside : {-1.45f, -0.8f, -0.35f, 0.35f, 0.8f, 1.45f}) {
                for (float angle : {-30.0f, -15.0f, 0.0f, 15.0f, 30.0f}) {
                    SCOPED_TRACE("turn " + std::to_string(turn) + ", side " + std::to_string(side) +
                                 ", aside " + std::to_string(aside) + ", angle " +
                                 std::to_string(angle));
                    const glm::vec2 at = doorway.middle + across * aside + through * side * 1.5f;
                    const glm::vec2 push = walk(-through * side, angle) * 0.02f;
                    const glm::vec2 along = across * (aside > 0.0f ? -0.02f : 0.02f);
                    EXPECT_TRUE(near(guideIntoDoorway(push, at, radius, face), along));
                    EXPECT_TRUE(near(steerPush(push, at, radius, {face}), along));
                }
            }
        }
    }
}

// The rounded corner at the opening guides as the face does; a plain wall touched as well
// still takes what goes into it.
TEST(WallSteering, TheCornerGuidesAndOtherWallsStillHold) {
    const glm::vec2 at(10.45f, 20.3f);
    const WallContact corner{glm::normalize(glm::vec2(-0.15f, 0.2f)), &northward};
    EXPECT_TRUE(near(steerPush({0.0f, -1.0f}, at, radius, {corner}), {-1.0f, 0.0f}));

    const WallContact eastWall{{-1.0f, 0.0f}};
    const WallContact face{{0.0f, 1.0f}, &northward};
    EXPECT_TRUE(
        near(steerPush({0.0f, -1.0f}, {9.0f, 20.3f}, radius, {eastWall, face}), {0.0f, 0.0f}))
        << "a wall across the way to the opening";
}

// The push is left alone (and only slides) when it does not meet a jamb head on from
// beside the opening.
TEST(WallSteering, NoGuidanceAwayFromTheJambsFace) {
    const WallContact face{{0.0f, 1.0f}, &northward};
    const glm::vec2 beside(10.8f, 20.35f);
    // More along the wall than into it: he means to go along.
    EXPECT_TRUE(near(steerPush(walk({0.0f, -1.0f}, 50.0f), beside, radius, {face}),
                     {-std::sin(50.0f * degree), 0.0f}));
    EXPECT_TRUE(near(steerPush(walk({0.0f, -1.0f}, -50.0f), beside, radius, {face}),
                     {std::sin(50.0f * degree), 0.0f}));
    // Backing away, or standing.
    EXPECT_TRUE(near(steerPush({0.0f, 1.0f}, beside, radius, {face}), {0.0f, 1.0f}));
    EXPECT_TRUE(near(steerPush({0.0f, 0.0f}, beside, radius, {face}), {0.0f, 0.0f}));
    // Clear of the jambs already (a closed leaf is in the way), or beyond the far one.
    for (float x : {10.0f, 10.2f, 9.8f, 11.55f, 8.45f}) {
        EXPECT_TRUE(near(steerPush({0.0f, -1.0f}, {x, 20.35f}, radius, {face}), {0.0f, 0.0f})) << x;
    }
    // In the doorway, against a jamb's side.
    const WallContact inside{{-1.0f, 0.0f}, &northward};
    EXPECT_TRUE(near(steerPush({0.0f, -1.0f}, {10.35f, 20.0f}, radius, {inside}), {0.0f, -1.0f}));
}
