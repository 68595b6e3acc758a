#include "gameobject/timemachine/MachineReach.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

using Vexmor::gameobject::timemachine::MachineReach;

TEST(MachineReach, FromItsUseSideItAnswersElsewhereItAsksForThatSide) {
    const glm::vec3 origin(6.25f, 1.25f, 3.75f);
    // Turned a quarter to the left: the use side looks along +x.
    const MachineReach machine(glm::rotate(glm::translate(glm::mat4(1.0f), origin),
                                           glm::radians(90.0f), glm::vec3(0.0f, 1.0f, 0.0f)));
    // An eye `distance` across the floor, `degrees` round from the use side, a little below
    // the machine's middle, looking at it (or away): answers, and asks for the other side.
    const auto stand = [&](float degrees, float distance, bool facing = true) {
        const glm::vec3 out(std::cos(glm::radians(degrees)), 0.0f,
                            -std::sin(glm::radians(degrees)));
        const glm::vec3 eye = origin + out * distance - glm::vec3(0.0f, 0.125f, 0.0f);
        const glm::vec3 probe = eye + (facing ? -out : out);
        return std::pair{machine.reaches(probe), machine.wantsOtherSide(eye, probe)};
    };
    using Answer = std::pair<bool, bool>;
    const Answer answers{true, false};
    const Answer asks{false, true};
    const Answer nothing{false, false};
    // In front it answers up to four units off, close up all round.
    EXPECT_EQ(stand(0.0f, 3.9f), answers);
    EXPECT_EQ(stand(0.0f, 4.1f), nothing);
    for (const float degrees : {90.0f, 135.0f, 180.0f, 225.0f, 270.0f}) {
        SCOPED_TRACE(degrees);
        EXPECT_EQ(stand(degrees, 1.9f), answers);
        // A step further off beside or behind it, the sign, as far off as it answers in front.
        EXPECT_EQ(stand(degrees, 3.0f), asks);
        EXPECT_EQ(stand(degrees, 3.9f), asks);
        EXPECT_EQ(stand(degrees, 4.1f), nothing);
        EXPECT_EQ(stand(degrees, 3.0f, false), nothing) << "facing away";
    }
    // Never both at once.
    for (float degrees = 0.0f; degrees < 360.0f; degrees += 15.0f) {
        for (float distance = 1.25f; distance < 5.0f; distance += 0.25f) {
            EXPECT_NE(stand(degrees, distance), Answer(true, true)) << degrees << " " << distance;
        }
    }
}
