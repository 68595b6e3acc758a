#include "physics/OwnedRigidBody.h"

#include <BulletCollision/CollisionShapes/btCollisionShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>

namespace Vexmor::physics {

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
}

OwnedRigidBody::~OwnedRigidBody() {
    body->setUserPointer(nullptr);
    tag.reset();
    body.reset();
    motionState.reset();
}

} // namespace Vexmor::physics
