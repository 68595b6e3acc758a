#include "autoplay/Course.h"
#include "autoplay/Steering.h"
#include "levelcheck/LevelCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace Vexmor;
using autoplay::Leg;

namespace {

levelcheck::LevelReport fixture(const std::string& name) {
    return levelcheck::checkLevel(std::string(VEXMOR_FIXTURES_DIR) + "/autoplay/" + name);
}

} // namespace

// A door on the way is opened before the move through it, from the side the player is on,
// and every walk ends in the middle of the cell it reaches.
TEST(Course, OpensEachDoorFromThePlayersSideBeforeWalkingThroughIt) {
    const levelcheck::LevelReport report = fixture("door_then_stair.lvl");
    ASSERT_TRUE(report.route) << report.verdict;
    const std::vector<Leg> course = autoplay::planCourse(*report.route, *report.layout);

    ASSERT_FALSE(course.empty());
    EXPECT_EQ(course.back().kind, Leg::Kind::UseMachine);
    const auto door = std::find_if(course.begin(), course.end(),
                                   [](const Leg& leg) { return leg.kind == Leg::Kind::OpenDoor; });
    ASSERT_NE(door, course.end());
    EXPECT_EQ(door->door, (glm::ivec3{2, 1, 4}));
    // He comes up from the south into the door's own cell; its doorway is its north face.
    EXPECT_TRUE(door->leafSwingsToward);
    EXPECT_EQ(door->arrival.cell, (glm::ivec3{2, 1, 4}));
    EXPECT_EQ(door->doorway, glm::vec2(6.25f, 10.0f));
    EXPECT_EQ(door->through, glm::vec2(0.0f, -1.0f));
    // The next leg walks on through the doorway into the cell beyond.
    const Leg& after = *(door + 1);
    EXPECT_EQ(after.kind, Leg::Kind::Walk);
    EXPECT_EQ(after.arrival.cell, (glm::ivec3{2, 1, 3}));
    EXPECT_EQ(after.target, autoplay::flat(autoplay::cellCentre({2, 1, 3})));
    EXPECT_EQ(after.move, door->move);

    // From the far side of a doorway the leaf swings away from him.
    const levelcheck::LevelReport far = fixture("fallen_door.lvl");
    ASSERT_TRUE(far.route) << far.verdict;
    const std::vector<Leg> farCourse = autoplay::planCourse(*far.route, *far.layout);
    const auto awayDoor = std::find_if(farCourse.begin(), farCourse.end(), [](const Leg& leg) {
        return leg.kind == Leg::Kind::OpenDoor && leg.door == glm::ivec3{6, 1, 2};
    });
    ASSERT_NE(awayDoor, farCourse.end());
    EXPECT_FALSE(awayDoor->leafSwingsToward);
}

TEST(Course, SwitchesTheEraWhereTheRouteDoesAndEndsAtTheMachine) {
    const levelcheck::LevelReport report = fixture("two_switches.lvl");
    ASSERT_TRUE(report.route) << report.verdict;
    const std::vector<Leg> course = autoplay::planCourse(*report.route, *report.layout);

    std::vector<int> eras;
    for (const Leg& leg : course) {
        if (leg.kind == Leg::Kind::SwitchEra) {
            eras.push_back(leg.arrival.era);
        }
    }
    ASSERT_EQ(eras.size(), 2u);
    EXPECT_NE(eras[0], eras[1]);
    // The machine is used from where the last move ends, one past the route's moves.
    EXPECT_EQ(course.back().move, report.route->steps.size());
    EXPECT_EQ(course.back().arrival.cell, report.route->steps.back().to.cell);
}
