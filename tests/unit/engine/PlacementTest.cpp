#include "engine/Placement.h"

#include <glm/gtc/epsilon.hpp>
#include <gtest/gtest.h>

using Vexmor::engine::Placement;

namespace {

void expectNear(const glm::vec4& actual, const glm::vec4& expected) {
    EXPECT_TRUE(glm::all(glm::epsilonEqual(actual, expected, 1e-4f)))
        << actual.x << " " << actual.y << " " << actual.z << " " << actual.w;
}

} // namespace

TEST(Placement, NoRotationIsAPureTranslationAndItsInverse) {
    Placement placement;
    placement.position = {1.0f, 2.0f, 3.0f};
    placement.updateMatrix();
    EXPECT_FALSE(placement.dirty);
    expectNear(*placement.matrix * glm::vec4(0, 0, 0, 1), {1, 2, 3, 1});
    expectNear(*placement.matrix * glm::vec4(1, 0, 0, 0), {1, 0, 0, 0});
    expectNear(*placement.inverseMatrix * glm::vec4(1, 2, 3, 1), {0, 0, 0, 1});
}

TEST(Placement, YawNinetyTurnsLocalZOntoWorldX) {
    Placement placement;
    placement.rotation.y = 90.0f;
    placement.updateMatrix();
    expectNear(*placement.matrix * glm::vec4(0, 0, 1, 0), {1, 0, 0, 0});
}

TEST(Placement, RotationsApplyPitchFirstThenYawThenRoll) {
    Placement placement;
    placement.rotation = {90.0f, 90.0f, 0.0f};
    placement.updateMatrix();
    // Pitch 90 takes local y to z, then yaw 90 takes z to x.
    expectNear(*placement.matrix * glm::vec4(0, 1, 0, 0), {1, 0, 0, 0});
}

TEST(Placement, MatrixTimesInverseIsIdentityForAnyNonZeroScale) {
    Placement placement;
    placement.position = {-4.0f, 0.5f, 12.0f};
    placement.rotation = {33.0f, -120.0f, 7.5f};
    placement.scale = {2.0f, 0.25f, -3.0f};
    placement.updateMatrix();
    const glm::mat4 product = *placement.matrix * *placement.inverseMatrix;
    for (int column = 0; column < 4; ++column) {
        glm::vec4 expected(0.0f);
        expected[column] = 1.0f;
        expectNear(product[column], expected);
    }
}
