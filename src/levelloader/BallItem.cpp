#include "levelloader/BallItem.h"

#include "gameobject/Sphere.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>

namespace Vexmor::levelloader {

physics::OwnedRigidBody* BallItem::body(int era) {
    Handover<physics::OwnedRigidBody>& cached = era == darkEra ? darkBody : brightBody;
    return cached.get([this] {
        const glm::vec3 c = centre();
        auto ball = std::make_unique<physics::OwnedRigidBody>(
            20.0f, physics::CollisionShapeLibrary::getInstance().getSphere(0.5f),
            btTransform(btQuaternion::getIdentity(), btVector3(c.x, c.y, c.z)));
        ball->get()->setFriction(10.0f);
        ball->get()->setRollingFriction(10.0f);
        return ball;
    });
}

ObjectList BallItem::ball(int era) {
    auto sphere = std::make_unique<gameobject::Sphere>(0, era == darkEra ? 1 : 0);
    sphere->setPhysicsBody(body(era)->get());
    ObjectList created;
    created.push_back(std::move(sphere));
    return created;
}

ObjectList BallItem::darkObjects() {
    return ball(darkEra);
}

ObjectList BallItem::brightObjects() {
    return ball(brightEra);
}

BodyList BallItem::bodies(int era) {
    body(era);
    BodyList created;
    if (auto owned = (era == darkEra ? darkBody : brightBody).take()) {
        created.push_back(std::move(owned));
    }
    return created;
}

BodyList BallItem::brightBodies() {
    return bodies(brightEra);
}

BodyList BallItem::darkBodies() {
    return bodies(darkEra);
}

} // namespace Vexmor::levelloader
