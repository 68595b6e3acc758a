#include "screen/AimChoice.h"

#include <gtest/gtest.h>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/trigonometric.hpp>

#include <cmath>

using Vexmor::gameobject::AimArea;
using Vexmor::screen::AimChoice;
using Vexmor::screen::ViewFrustum;

namespace {

const glm::vec3 eye(2.0f, 1.5f, 3.0f);
const glm::vec3 right(1.0f, 0.0f, 0.0f);
const glm::vec3 up(0.0f, 1.0f, 0.0f);

// The eye looking along -z, turned left by `yaw` and up by `pitch` degrees.
glm::mat4 camera(float yaw = 0.0f, float pitch = 0.0f) {
    return glm::rotate(glm::rotate(glm::translate(glm::mat4(1.0f), eye), glm::radians(yaw), up),
                       glm::radians(pitch), right);
}

// A point `distance` from the eye, `degrees` off the unturned view towards `side`.
glm::vec3 off(float degrees, const glm::vec3& side, float distance = 1.5f) {
    const float radians = glm::radians(degrees);
    return eye +
           distance * (std::cos(radians) * glm::vec3(0.0f, 0.0f, -1.0f) + std::sin(radians) * side);
}

bool offered(const glm::vec3& point, const ViewFrustum& view = ViewFrustum()) {
    AimChoice aim(camera(), view);
    return aim.offer({point});
}

// A door's leaf 1.2 wide and 1.95 high, facing along z, its middle at `centre`.
AimArea leaf(const glm::vec3& centre) {
    return {centre, glm::vec3(0.6f, 0.0f, 0.0f), glm::vec3(0.0f, 0.975f, 0.0f)};
}

} // namespace

TEST(AimChoice, OffersOnlyWhatTheViewShowsHoweverHighAndWideItIs) {
    for (const ViewFrustum& view :
         {ViewFrustum(), ViewFrustum(16.0f / 9.0f, 35.0f), ViewFrustum(0.6f, 70.0f)}) {
        SCOPED_TRACE(testing::Message() << view.getAspect() << " " << view.getFieldOfViewDegrees());
        const glm::mat4 toScreen = view.projection() * glm::inverse(camera(30.0f, -20.0f));
        int shown = 0;
        for (float yaw = -180.0f; yaw < 180.0f; yaw += 2.5f) {
            for (float pitch = -87.5f; pitch <= 87.5f; pitch += 2.5f) {
                const glm::vec3 point(camera(30.0f + yaw, -20.0f + pitch) *
                                      glm::vec4(0.0f, 0.0f, -2.0f, 1.0f));
                AimChoice aim(camera(30.0f, -20.0f), view);
                if (aim.offer({point})) {
                    const glm::vec4 clip = toScreen * glm::vec4(point, 1.0f);
                    ASSERT_GT(clip.w, 0.0f);
                    EXPECT_LE(std::abs(clip.x / clip.w), 1.0f) << yaw << " " << pitch;
                    EXPECT_LE(std::abs(clip.y / clip.w), 1.0f) << yaw << " " << pitch;
                    ++shown;
                }
            }
        }
        EXPECT_GT(shown, 20) << "the cone is not empty";
    }
    // At 45 degrees on 4:3 the cone reaches the view's top edge (22.5 degrees up) and its
    // side edge (28.9 degrees), but not its corners.
    EXPECT_TRUE(offered(off(22.0f, up)));
    EXPECT_TRUE(offered(off(28.5f, right)));
    EXPECT_FALSE(offered(eye + glm::vec3(0.5f, 0.38f, -1.0f))) << "near the top right corner";
    EXPECT_TRUE(offered(eye)) << "the eye inside the point looks straight at it";
}

TEST(AimChoice, ALeafIsAimedAtWhereverTheSightPassesThroughItAndTheNearestOneWins) {
    // Pressed against a door: the leaf's middle is 27 degrees below the eye, off the view,
    // but the door fills it.
    const AimArea chest = leaf(eye + glm::vec3(0.0f, -0.15f, -0.3f));
    EXPECT_FALSE(offered(chest.centre));
    AimChoice against(camera(), ViewFrustum());
    EXPECT_TRUE(against.offer(chest));
    EXPECT_TRUE(AimChoice(camera(50.0f), ViewFrustum()).offer(chest)) << "at its edge";
    EXPECT_FALSE(AimChoice(camera(70.0f), ViewFrustum()).offer(chest)) << "turned away";
    EXPECT_FALSE(AimChoice(camera(180.0f), ViewFrustum()).offer(chest)) << "behind";

    // A leaf beyond another in line takes no aim from it, whichever comes first.
    const AimArea beyond = leaf(eye + glm::vec3(0.0f, -0.15f, -2.8f));
    AimChoice nearFirst(camera(), ViewFrustum());
    EXPECT_TRUE(nearFirst.offer(chest));
    EXPECT_FALSE(nearFirst.offer(beyond));
    AimChoice farFirst(camera(), ViewFrustum());
    EXPECT_TRUE(farFirst.offer(beyond));
    EXPECT_TRUE(farFirst.offer(chest));
}

TEST(AimChoice, TheOneNearestTheViewDirectionWinsWhateverItsOrderOrDistance) {
    AimChoice aim(camera(), ViewFrustum());
    EXPECT_TRUE(aim.offer({off(20.0f, right, 0.5f)}));
    EXPECT_TRUE(aim.offer({off(10.0f, -right, 3.0f)})) << "further away but nearer the view";
    EXPECT_FALSE(aim.offer({off(15.0f, right, 0.5f)}));
    EXPECT_FALSE(aim.offer({off(10.0f, -right, 3.0f)})) << "a tie keeps the first";
    EXPECT_TRUE(aim.offer({off(10.0f, -right, 2.0f)})) << "as direct and nearer";
    EXPECT_TRUE(aim.offer({off(5.0f, right)}));
}
