#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btCapsuleShape.h>
#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <gtest/gtest.h>

#include <limits>

using Vexmor::physics::CollisionShapeLibrary;

class CollisionShapes : public ::testing::Test {
protected:
    void TearDown() override { CollisionShapeLibrary::destroyInstance(); }
    CollisionShapeLibrary& library = CollisionShapeLibrary::getInstance();
};

TEST_F(CollisionShapes, BoxesAreSharedByExactFullEdgeLengths) {
    btBoxShape* wall = library.getBox(2.5f, 2.5f, 0.1f);
    EXPECT_EQ(library.getBox(2.5f, 2.5f, 0.1f), wall);
    const btVector3 half = wall->getHalfExtentsWithMargin();
    EXPECT_FLOAT_EQ(half.x(), 1.25f);
    EXPECT_FLOAT_EQ(half.y(), 1.25f);
    EXPECT_FLOAT_EQ(half.z(), 0.05f);

    EXPECT_NE(library.getBox(2.5f, 0.1f, 2.5f), wall);
    EXPECT_NE(library.getBox(2.5f, 2.5f, 0.1000001f), wall);
    EXPECT_EQ(library.shapeCount(), 3u);
}

TEST_F(CollisionShapes, SpheresAndCapsulesAreSharedPerSize) {
    btSphereShape* sphere = library.getSphere(0.5f);
    EXPECT_EQ(library.getSphere(0.5f), sphere);
    EXPECT_FLOAT_EQ(sphere->getRadius(), 0.5f);
    EXPECT_NE(library.getSphere(0.75f), sphere);

    btCapsuleShape* capsule = library.getCapsule(0.25f, 0.75f);
    EXPECT_EQ(library.getCapsule(0.25f, 0.75f), capsule);
    EXPECT_NE(library.getCapsule(0.75f, 0.25f), capsule);
    EXPECT_FLOAT_EQ(capsule->getRadius(), 0.25f);
    EXPECT_FLOAT_EQ(capsule->getHalfHeight(), 0.375f);
}

TEST_F(CollisionShapes, ANotANumberRadiusGetsItsOwnShapeWithoutDisturbingTheOthers) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    btSphereShape* one = library.getSphere(1.0f);
    btSphereShape* broken = library.getSphere(nan);
    EXPECT_NE(broken, one);
    EXPECT_EQ(library.getSphere(nan), broken);
    EXPECT_EQ(library.getSphere(1.0f), one);
    EXPECT_EQ(library.getSphere(2.0f), library.getSphere(2.0f));
}

TEST_F(CollisionShapes, AdoptedShapesLiveUntilTheLibraryGoes) {
    library.adoptShape(std::make_unique<btSphereShape>(3.0f));
    EXPECT_EQ(library.shapeCount(), 1u);
    CollisionShapeLibrary::destroyInstance();
    EXPECT_FALSE(CollisionShapeLibrary::hasInstance());
    EXPECT_EQ(CollisionShapeLibrary::getInstance().shapeCount(), 0u);
}
