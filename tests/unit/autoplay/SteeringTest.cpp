#include "autoplay/Steering.h"

#include <gtest/gtest.h>

using namespace Vexmor::autoplay;

// The autopilot turns the way the game turns for a mouse move: a wrong sign would send
// it spinning away from every point, a wrong wrap the long way round.
TEST(Steering, TurnsTheShortWayAndAsTheMouseTurnsTheView) {
    const glm::vec2 north(0.0f, -1.0f);
    EXPECT_NEAR(turnToward(north, {0.0f, -2.0f}), 0.0f, 1e-4f);
    // Looking toward -z, -x is on the left: a left turn, which a move to the left makes.
    EXPECT_NEAR(turnToward(north, {-1.0f, 0.0f}), 90.0f, 1e-4f);
    EXPECT_NEAR(turnToward(north, {1.0f, 0.0f}), -90.0f, 1e-4f);
    EXPECT_LT(mousePixels(90.0f, 1000), 0);
    EXPECT_EQ(mousePixels(-90.0f, 1000), 180);
    // Across the wrap at 180 degrees: from just left of south to just right of it.
    const float across = turnToward({-0.1f, 1.0f}, {0.1f, 1.0f});
    EXPECT_GT(across, 0.0f);
    EXPECT_LT(across, 20.0f);
    EXPECT_NEAR(std::abs(turnToward(north, {0.0f, 1.0f})), 180.0f, 1e-4f);
    // One frame never turns more than the limit.
    EXPECT_EQ(mousePixels(170.0f, 40), -40);
    EXPECT_EQ(mousePixels(-170.0f, 40), 40);
}

TEST(Steering, FindsTheCellTheFeetAreIn) {
    EXPECT_EQ(cellCentre({2, 1, 3}), glm::vec3(6.25f, 3.75f, 8.75f));
    // Standing on the floor of 2|1|3: the body's centre rides above the floor at y 2.5.
    EXPECT_EQ(cellOfBody({6.0f, 2.5f + bodyHalfHeight, 8.0f}), (glm::ivec3{2, 1, 3}));
    // Sunk a little into the floor by the physics, he still stands in that cell.
    EXPECT_EQ(cellOfBody({6.0f, 2.45f + bodyHalfHeight, 8.0f}), (glm::ivec3{2, 1, 3}));
    // High on a stair, his feet are still in the stair's cell.
    EXPECT_EQ(cellOfBody({6.0f, 4.8f + bodyHalfHeight, 8.0f}), (glm::ivec3{2, 1, 3}));
    EXPECT_EQ(cellOf({-0.1f, 0.0f, 2.5f}), (glm::ivec3{-1, 0, 1}));
}
