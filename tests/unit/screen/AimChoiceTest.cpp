#include "screen/AimChoice.h"

#include <gtest/gtest.h>

#include <glm/geometric.hpp>
#include <glm/trigonometric.hpp>

#include <cmath>

using Vexmor::screen::AimChoice;

namespace {

const glm::vec3 eye(2.0f, 1.5f, 3.0f);
// Looking along -z, as the camera does unturned, and not of unit length.
const glm::vec3 forward(0.0f, 0.0f, -2.0f);

// A point `distance` from the eye, `degrees` off the view direction towards `side`.
glm::vec3 off(float degrees, const glm::vec3& side, float distance = 1.5f) {
    const float radians = glm::radians(degrees);
    return eye +
           distance * (std::cos(radians) * glm::normalize(forward) + std::sin(radians) * side);
}

bool offered(const glm::vec3& centre) {
    AimChoice aim(eye, forward);
    return aim.offer(centre);
}

} // namespace

TEST(AimChoice, OffersOnlyWhatLiesWithinFiftyDegreesOfTheViewInAnyDirection) {
    const glm::vec3 right(1.0f, 0.0f, 0.0f);
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    EXPECT_TRUE(offered(off(0.0f, right)));
    EXPECT_TRUE(offered(off(0.0f, right, 0.2f))) << "close up";
    EXPECT_FALSE(offered(off(180.0f, right))) << "behind";
    EXPECT_FALSE(offered(off(90.0f, right))) << "beside";
    for (const glm::vec3& side : {right, -right, up, -up, glm::normalize(right + up)}) {
        SCOPED_TRACE(testing::Message() << side.x << " " << side.y);
        EXPECT_TRUE(offered(off(49.0f, side)));
        EXPECT_FALSE(offered(off(51.0f, side)));
    }
    // Looking down at a door near the feet, or up at something, is judged the same way.
    AimChoice down(eye, glm::vec3(0.0f, -1.0f, -1.0f));
    EXPECT_TRUE(down.offer(eye + glm::vec3(0.0f, -1.0f, -0.4f)));
    AimChoice straight(eye, forward);
    EXPECT_FALSE(straight.offer(eye + glm::vec3(0.0f, -1.0f, -0.4f)));

    EXPECT_NEAR(AimChoice::degreesOffView(eye, forward, off(30.0f, up, 4.0f)), 30.0f, 1e-3f);
    EXPECT_EQ(AimChoice::degreesOffView(eye, forward, eye), 0.0f);
}

TEST(AimChoice, TheOneNearestTheViewDirectionWinsWhateverItsOrderOrDistance) {
    const glm::vec3 right(1.0f, 0.0f, 0.0f);
    AimChoice aim(eye, forward);
    EXPECT_TRUE(aim.offer(off(40.0f, right, 0.5f)));
    EXPECT_TRUE(aim.offer(off(10.0f, -right, 3.0f))) << "further away but nearer the view";
    EXPECT_FALSE(aim.offer(off(20.0f, right, 0.5f)));
    EXPECT_FALSE(aim.offer(off(10.0f, -right, 3.0f))) << "a tie keeps the first";
    EXPECT_TRUE(aim.offer(off(5.0f, right)));
    EXPECT_FALSE(aim.offer(off(60.0f, right)));
}
