#include "physics/PhysicsWorld.h"
#include "physics/OwnedRigidBody.h"

#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <gtest/gtest.h>

using Vexmor::physics::OwnedRigidBody;
using Vexmor::physics::PhysicsWorld;

namespace {

constexpr double frame = 1.0 / 60.0;

btTransform at(const btVector3& origin) {
    return btTransform(btQuaternion::getIdentity(), origin);
}

} // namespace

TEST(PhysicsWorld, StepsInAtMostTenFixedSubStepsUnderDefaultGravity) {
    btSphereShape shape(0.5f);
    OwnedRigidBody ball(1.0f, &shape, at({0.0f, 100.0f, 0.0f}));
    PhysicsWorld world;
    world.stepSimulation(frame);

    world.addRigidBody(ball.get());
    world.stepSimulation(1.0);
    EXPECT_NEAR(ball.get()->getLinearVelocity().y(), -10.0f * 10.0f / 60.0f, 1e-4f);

    for (int i = 0; i < 30; ++i) {
        world.stepSimulation(frame);
    }
    const btVector3 velocity = ball.get()->getLinearVelocity();
    EXPECT_NEAR(velocity.y(), -10.0f * 40.0f / 60.0f, 1e-4f);
    EXPECT_EQ(velocity.x(), 0.0f);
    EXPECT_EQ(velocity.z(), 0.0f);
}

TEST(PhysicsWorld, CountsItsBodiesButLeavesThemToTheirOwners) {
    btSphereShape shape(0.5f);
    OwnedRigidBody ball(1.0f, &shape, at({0.0f, 0.0f, 0.0f}));
    PhysicsWorld next;
    {
        PhysicsWorld world;
        EXPECT_EQ(world.bodyCount(), 0u);
        world.addRigidBody(ball.get());
        EXPECT_EQ(world.bodyCount(), 1u);
        world.removeRigidBody(ball.get());
        EXPECT_EQ(world.bodyCount(), 0u);
        world.addRigidBody(ball.get());
    }
    EXPECT_EQ(ball.get()->getBroadphaseHandle(), nullptr);
    next.addRigidBody(ball.get());
    next.stepSimulation(frame);
    EXPECT_EQ(next.bodyCount(), 1u);
    EXPECT_LT(ball.get()->getLinearVelocity().y(), 0.0f);
}
