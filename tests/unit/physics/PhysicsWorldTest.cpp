#include "physics/PhysicsWorld.h"
#include "physics/GroundContact.h"
#include "physics/OwnedRigidBody.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btCapsuleShape.h>
#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using Vexmor::physics::BodyTag;
using Vexmor::physics::Doorway;
using Vexmor::physics::groundContactSeen;
using Vexmor::physics::OwnedRigidBody;
using Vexmor::physics::PhysicsWorld;
using Vexmor::physics::setGroundContactSeen;
using Vexmor::physics::WallContact;

namespace {

constexpr double frame = 1.0 / 60.0;

btTransform at(const btVector3& origin) {
    return btTransform(btQuaternion::getIdentity(), origin);
}

std::unique_ptr<BodyTag> tagged(std::int32_t kind) {
    return std::make_unique<BodyTag>(BodyTag{kind, nullptr});
}

enum class AddedFirst { slab, mover };

// A weightless capsule of the player's size leaves the origin at `velocity` and runs into a
// static slab 1 thick and 4 wide (broad faces along x before it is turned).
bool groundSeenAfterHitting(const btTransform& slab, const btVector3& velocity,
                            std::unique_ptr<BodyTag> tag, AddedFirst first = AddedFirst::slab) {
    btCapsuleShape capsuleShape(0.25f, 0.75f);
    btBoxShape slabShape(btVector3(0.5f, 2.0f, 2.0f));
    OwnedRigidBody mover(1.0f, &capsuleShape, at({0.0f, 0.0f, 0.0f}), std::move(tag));
    OwnedRigidBody obstacle(0.0f, &slabShape, slab);
    PhysicsWorld world;
    world.installGroundContactCallback();
    // The manifold lists the bodies in the order they entered the world.
    if (first == AddedFirst::slab) {
        world.addRigidBody(obstacle.get());
    }
    world.addRigidBody(mover.get());
    if (first == AddedFirst::mover) {
        world.addRigidBody(obstacle.get());
    }
    mover.get()->setGravity(btVector3(0.0f, 0.0f, 0.0f));
    mover.get()->setAngularFactor(0.0f);
    mover.get()->setLinearVelocity(velocity);

    setGroundContactSeen(false);
    for (int i = 0; i < 60; ++i) {
        world.stepSimulation(frame);
    }
    EXPECT_LT(mover.get()->getLinearVelocity().dot(velocity), 0.1f * velocity.length2())
        << "the mover never reached the slab";
    return groundContactSeen();
}

// Each slab starts about 0.25 away from the capsule.
const btTransform floorSlab(btQuaternion(btVector3(0, 0, 1), SIMD_HALF_PI), {0.0f, -1.375f, 0.0f});
const btTransform ceilingSlab(btQuaternion(btVector3(0, 0, 1), SIMD_HALF_PI), {0.0f, 1.375f, 0.0f});
const btVector3 down(0.0f, -2.0f, 0.0f);
const btVector3 sideways(2.0f, 0.0f, 0.0f);

// A wall to the right whose face normal has the given vertical part.
btTransform wallLeaningBy(float normalY) {
    return btTransform(btQuaternion(btVector3(0, 0, 1), std::asin(normalY)), {1.0f, 0.0f, 0.0f});
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

TEST(GroundContact, ThePlayerTouchingAnythingButANearlyUprightSurfaceIsOnGround) {
    EXPECT_TRUE(groundSeenAfterHitting(floorSlab, down, tagged(BodyTag::player)));
    EXPECT_TRUE(
        groundSeenAfterHitting(ceilingSlab, -down, tagged(BodyTag::player), AddedFirst::mover));
    EXPECT_TRUE(groundSeenAfterHitting(wallLeaningBy(0.2f), sideways, tagged(BodyTag::player)));
    EXPECT_FALSE(groundSeenAfterHitting(wallLeaningBy(0.0f), sideways, tagged(BodyTag::player)));
    EXPECT_FALSE(groundSeenAfterHitting(wallLeaningBy(0.05f), sideways, tagged(BodyTag::player)));
}

TEST(GroundContact, OnlyThePlayerSetsTheFlagAndNothingClearsIt) {
    EXPECT_FALSE(groundSeenAfterHitting(floorSlab, down, nullptr));
    EXPECT_FALSE(groundSeenAfterHitting(floorSlab, down, tagged(BodyTag::gameObject)));

    PhysicsWorld world;
    world.installGroundContactCallback();
    setGroundContactSeen(true);
    world.stepSimulation(frame);
    EXPECT_TRUE(groundContactSeen());
}

// Each wall the capsule leans on is reported with the way out of it, seen from the capsule
// whichever body its manifold lists first; a doorway's body tells its doorway.
TEST(GroundContact, WallContactsTellADoorwayFromAPlainWall) {
    for (AddedFirst first : {AddedFirst::slab, AddedFirst::mover}) {
        btCapsuleShape capsuleShape(0.25f, 0.75f);
        btBoxShape eastShape(btVector3(0.5f, 2.0f, 2.0f));
        btBoxShape northShape(btVector3(2.0f, 2.0f, 0.5f));
        const Doorway doorway{{0.0f, -0.75f}, {0.0f, 1.0f}};
        OwnedRigidBody mover(1.0f, &capsuleShape, at({0.0f, 0.0f, 0.0f}), tagged(BodyTag::player));
        OwnedRigidBody plain(0.0f, &eastShape, at({0.74f, 0.0f, 0.0f}));
        OwnedRigidBody doorFrame(0.0f, &northShape, at({0.0f, 0.0f, -0.74f}),
                                 std::make_unique<BodyTag>(BodyTag{BodyTag::doorway, &doorway}));
        PhysicsWorld world;
        if (first == AddedFirst::mover) {
            world.addRigidBody(mover.get());
        }
        world.addRigidBody(plain.get());
        world.addRigidBody(doorFrame.get());
        if (first == AddedFirst::slab) {
            world.addRigidBody(mover.get());
        }
        mover.get()->setGravity(btVector3(0.0f, 0.0f, 0.0f));
        world.stepSimulation(frame);

        std::vector<WallContact> walls{{{9.0f, 9.0f}}};
        world.collectWallContacts(mover.get(), walls);
        ASSERT_FALSE(walls.empty());
        for (const WallContact& wall : walls) {
            if (wall.doorway == nullptr) {
                EXPECT_NEAR(wall.out.x, -1.0f, 1e-3f);
                EXPECT_NEAR(wall.out.y, 0.0f, 1e-3f);
            } else {
                EXPECT_EQ(wall.doorway, &doorway);
                EXPECT_NEAR(wall.out.x, 0.0f, 1e-3f);
                EXPECT_NEAR(wall.out.y, 1.0f, 1e-3f);
            }
        }
        EXPECT_TRUE(std::any_of(walls.begin(), walls.end(),
                                [](const WallContact& wall) { return wall.doorway == nullptr; }));
        EXPECT_TRUE(std::any_of(walls.begin(), walls.end(),
                                [](const WallContact& wall) { return wall.doorway != nullptr; }));
    }
}

TEST(OwnedRigidBody, CountsTheBodiesAliveAcrossWorlds) {
    const std::size_t before = OwnedRigidBody::liveCount();
    btSphereShape shape(0.5f);
    {
        OwnedRigidBody ball(1.0f, &shape, at({0.0f, 0.0f, 0.0f}));
        auto wall = std::make_unique<OwnedRigidBody>(0.0f, &shape, at({2.0f, 0.0f, 0.0f}));
        EXPECT_EQ(OwnedRigidBody::liveCount(), before + 2);
        PhysicsWorld world;
        world.addRigidBody(ball.get());
        wall.reset();
        EXPECT_EQ(OwnedRigidBody::liveCount(), before + 1) << "a world holds no count of its own";
        world.removeRigidBody(ball.get());
    }
    EXPECT_EQ(OwnedRigidBody::liveCount(), before);
}
