#include "gameobject/timemachine/MachineReach.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/trigonometric.hpp>

#include <cmath>

using Vexmor::gameobject::timemachine::MachineReach;

namespace {

const glm::vec3 origin(6.25f, 1.25f, 3.75f);
// Turned a quarter to the left: the use side looks along +x.
const MachineReach machine(glm::rotate(glm::translate(glm::mat4(1.0f), origin), glm::radians(90.0f),
                                       glm::vec3(0.0f, 1.0f, 0.0f)));

struct Stand {
    glm::vec3 eye;
    glm::vec3 probe;
};

// An eye `distance` across the floor from the machine, `degrees` round from its use side,
// a little below its middle, with the probe one unit ahead: towards the machine, or away.
Stand standing(float degrees, float distance, bool facing = true) {
    const float radians = glm::radians(degrees);
    const glm::vec3 out(std::cos(radians), 0.0f, -std::sin(radians));
    const glm::vec3 eye = origin + out * distance + glm::vec3(0.0f, -0.125f, 0.0f);
    return {eye, eye + (facing ? -out : out)};
}

bool usable(const Stand& stand) {
    return machine.reaches(stand.probe);
}

bool sign(const Stand& stand) {
    return machine.wantsOtherSide(stand.eye, stand.probe);
}

} // namespace

TEST(MachineReach, FromItsUseSideItAnswersElsewhereItAsksForThatSide) {
    // In front it answers up to four units off; there is never a sign.
    for (const float distance : {1.3f, 2.5f, 3.9f}) {
        EXPECT_TRUE(usable(standing(0.0f, distance))) << distance;
        EXPECT_FALSE(sign(standing(0.0f, distance))) << distance;
    }
    EXPECT_FALSE(usable(standing(0.0f, 4.1f)));
    // Close up it answers all round.
    for (const float degrees : {90.0f, 180.0f, 270.0f}) {
        EXPECT_TRUE(usable(standing(degrees, 1.9f))) << degrees;
        EXPECT_FALSE(sign(standing(degrees, 1.9f))) << degrees;
    }
    // A step further off beside or behind it, the sign: as far off as it answers in front.
    for (const float degrees : {90.0f, 135.0f, 180.0f, 225.0f, 270.0f}) {
        SCOPED_TRACE(degrees);
        EXPECT_FALSE(usable(standing(degrees, 3.0f)));
        EXPECT_TRUE(sign(standing(degrees, 3.0f)));
        EXPECT_TRUE(sign(standing(degrees, 3.9f)));
        EXPECT_FALSE(sign(standing(degrees, 4.1f)));
        EXPECT_FALSE(sign(standing(degrees, 3.0f, false))) << "facing away";
    }
    // Wherever the sign shows, the machine does not answer, and the other way round.
    for (float degrees = 0.0f; degrees < 360.0f; degrees += 15.0f) {
        for (float distance = 1.25f; distance < 5.0f; distance += 0.25f) {
            const Stand stand = standing(degrees, distance);
            EXPECT_FALSE(usable(stand) && sign(stand)) << degrees << " " << distance;
        }
    }
    // Right over the machine there is no side to point to.
    EXPECT_FALSE(machine.wantsOtherSide(origin + glm::vec3(0.0f, 2.5f, 0.0f),
                                        origin + glm::vec3(0.0f, 1.5f, 0.0f)));
}
