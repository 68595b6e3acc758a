#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btCapsuleShape.h>
#include <BulletCollision/CollisionShapes/btSphereShape.h>

#include <cmath>

namespace Vexmor::physics {

std::unique_ptr<CollisionShapeLibrary> CollisionShapeLibrary::instance;

bool ExactFloatLess::operator()(float a, float b) const {
    if (std::isnan(a)) {
        return false;
    }
    if (std::isnan(b)) {
        return true;
    }
    return a < b;
}

CollisionShapeLibrary& CollisionShapeLibrary::getInstance() {
    if (!instance) {
        instance.reset(new CollisionShapeLibrary());
    }
    return *instance;
}

bool CollisionShapeLibrary::hasInstance() {
    return instance != nullptr;
}

void CollisionShapeLibrary::destroyInstance() {
    instance.reset();
}

// Compounds refer to cached boxes, so they go first.
CollisionShapeLibrary::~CollisionShapeLibrary() {
    adopted.clear();
    boxes.clear();
    spheres.clear();
    capsules.clear();
}

btBoxShape* CollisionShapeLibrary::getBox(float x, float y, float z) {
    std::unique_ptr<btBoxShape>& shape = boxes[{x, y, z}];
    if (!shape) {
        shape = std::make_unique<btBoxShape>(btVector3(x / 2.0f, y / 2.0f, z / 2.0f));
    }
    return shape.get();
}

btSphereShape* CollisionShapeLibrary::getSphere(float radius) {
    std::unique_ptr<btSphereShape>& shape = spheres[radius];
    if (!shape) {
        shape = std::make_unique<btSphereShape>(radius);
    }
    return shape.get();
}

btCapsuleShape* CollisionShapeLibrary::getCapsule(float radius, float height) {
    std::unique_ptr<btCapsuleShape>& shape = capsules[{radius, height}];
    if (!shape) {
        shape = std::make_unique<btCapsuleShape>(radius, height);
    }
    return shape.get();
}

void CollisionShapeLibrary::adoptShape(std::unique_ptr<btCollisionShape> shape) {
    adopted.push_back(std::move(shape));
}

std::size_t CollisionShapeLibrary::shapeCount() const {
    return boxes.size() + spheres.size() + capsules.size() + adopted.size();
}

} // namespace Vexmor::physics
