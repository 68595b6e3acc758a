#include "physics/OwnedRigidBody.h"

#include <BulletCollision/CollisionShapes/btCollisionShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>

namespace Vexmor::physics {

namespace {

// Only the main thread makes and releases bodies.
std::size_t liveBodies = 0;

} // namespace

std::size_t OwnedRigidBody::liveCount() {
    return liveBodies;
}

OwnedRigidBody::OwnedRigidBody(float mass, btCollisionShape* shape, const btTransform& start,
                               std::unique_ptr<BodyTag> bodyTag)
    : motionState(std::make_unique<btDefaultMotionState>(start)), tag(std::move(bodyTag)) {
    btVector3 inertia(0.0f, 0.0f, 0.0f);
    if (mass != 0.0f && shape != nullptr) {
        shape->calculateLocalInertia(mass, inertia);
    }
    const btRigidBody::btRigidBodyConstructionInfo info(mass, motionState.get(), shape, inertia);
    body = std::make_unique<btRigidBody>(info);
    body->setUserPointer(tag.get());
    ++liveBodies;
}

OwnedRigidBody::~OwnedRigidBody() {
    body->setUserPointer(nullptr);
    tag.reset();
    body.reset();
    motionState.reset();
    --liveBodies;
}

} // namespace Vexmor::physics
