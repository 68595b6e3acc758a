#include "levelloader/StairBlock.h"

#include "gameobject/Stair.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btConvexHullShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>

namespace Vexmor::levelloader {

namespace {

constexpr float stairFriction = 0.1f;
constexpr float quarterPi = 0.78539816f;
// The slope of a ruined stair's rubble.
constexpr float rubbleTilt = 0.3794077f;

} // namespace

StairBlock::StairBlock(std::int32_t x, std::int32_t y, std::int32_t z, int orientation,
                       int stairCondition, int withBlock)
    : BlockObject(x, y, z), stairCondition(stairCondition), orientation(orientation),
      withBlock(withBlock) {}

std::optional<int> StairBlock::appearance(int stairCondition, int era) {
    if (era == darkEra) {
        switch (stairCondition) {
        case 2:
            return 1;
        case 4:
            return std::nullopt;
        default:
            return 3;
        }
    }
    switch (stairCondition) {
    case 1:
        return 2;
    case 3:
        return std::nullopt;
    default:
        return 0;
    }
}

bool StairBlock::givesFootingIn(int era) const {
    return appearance(stairCondition, era).has_value();
}

ObjectList StairBlock::objects(int era) const {
    ObjectList created;
    if (const auto code = appearance(stairCondition, era)) {
        created.push_back(
            std::make_unique<gameobject::Stair>(blockTransform(orientation), *code, withBlock));
    }
    return created;
}

BodyList StairBlock::body(int era) const {
    BodyList created;
    const auto code = appearance(stairCondition, era);
    if (!code) {
        return created;
    }
    const bool intact = *code == 0 || *code == 1;
    if (!intact && withBlock == 0) {
        return created;
    }
    physics::CollisionShapeLibrary& shapes = physics::CollisionShapeLibrary::getInstance();
    const float angle = orientationAngle(orientation);
    glm::vec3 origin = centre();
    btCollisionShape* shape = nullptr;
    btMatrix3x3 basis;
    if (intact && withBlock == 0) {
        // A 45-degree plank through the cell centre, rising toward -z before the turn.
        shape = shapes.getBox(2.5f, 0.02f, 3.5f);
        basis.setEulerZYX(quarterPi, angle, 0.0f);
    } else if (intact) {
        // The wedge under the diagonal from the top edge at -z to the bottom edge at +z.
        auto wedge = std::make_unique<btConvexHullShape>();
        const float h = 1.25f;
        for (const btVector3& corner :
             {btVector3(-h, -h, -h), btVector3(h, -h, -h), btVector3(-h, -h, h),
              btVector3(h, -h, h), btVector3(h, h, -h), btVector3(-h, h, -h)}) {
            wedge->addPoint(corner);
        }
        shape = wedge.get();
        shapes.adoptShape(std::move(wedge));
        basis.setEulerZYX(0.0f, angle, 0.0f);
    } else {
        shape = shapes.getBox(2.5f, 0.02f, 2.8f);
        basis.setEulerZYX(rubbleTilt, angle, 0.0f);
        origin.y -= 0.75f;
    }
    auto stair = std::make_unique<physics::OwnedRigidBody>(
        0.0f, shape, btTransform(basis, btVector3(origin.x, origin.y, origin.z)));
    stair->get()->setFriction(stairFriction);
    created.push_back(std::move(stair));
    return created;
}

ObjectList StairBlock::darkObjects() {
    return objects(darkEra);
}

ObjectList StairBlock::brightObjects() {
    return objects(brightEra);
}

BodyList StairBlock::brightBodies() {
    return body(brightEra);
}

BodyList StairBlock::darkBodies() {
    return body(darkEra);
}

} // namespace Vexmor::levelloader
