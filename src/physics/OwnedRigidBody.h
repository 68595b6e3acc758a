#pragma once

#include "physics/BodyTag.h"

#include <LinearMath/btTransform.h>

#include <cstddef>
#include <memory>

class btCollisionShape;
class btDefaultMotionState;
class btRigidBody;

namespace Vexmor::physics {

// A rigid body with the motion state and tag made for it, released together: the tag
// (after clearing the user pointer), then the body, then its motion state. The shape
// belongs to the collision shape library. The body must be out of every world by then.
class OwnedRigidBody {
public:
    // A dynamic body (mass > 0) takes its local inertia from the shape.
    OwnedRigidBody(float mass, btCollisionShape* shape, const btTransform& start,
                   std::unique_ptr<BodyTag> tag = nullptr);
    ~OwnedRigidBody();
    OwnedRigidBody(const OwnedRigidBody&) = delete;
    OwnedRigidBody& operator=(const OwnedRigidBody&) = delete;

    // How many bodies exist right now, over every level and world.
    static std::size_t liveCount();

    btRigidBody* get() const { return body.get(); }
    btDefaultMotionState* getMotionState() const { return motionState.get(); }
    BodyTag* getTag() const { return tag.get(); }

private:
    std::unique_ptr<btDefaultMotionState> motionState;
    std::unique_ptr<btRigidBody> body;
    std::unique_ptr<BodyTag> tag;
};

} // namespace Vexmor::physics
