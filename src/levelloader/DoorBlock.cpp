#include "levelloader/DoorBlock.h"

#include "gameobject/Door.h"
#include "gameobject/DoorFrame.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btCompoundShape.h>

namespace Vexmor::levelloader {

DoorBlock::DoorBlock(std::int32_t x, std::int32_t y, std::int32_t z, int orientation, int doorKind)
    : BlockObject(x, y, z), orientation(orientation), doorKind(doorKind) {}

DoorBlock::~DoorBlock() = default;

int DoorBlock::doorState(int doorKind, int era) {
    if (era == darkEra) {
        return doorKind == 1 ? 1 : doorKind == 2 ? 2 : 0;
    }
    return doorKind == 1 || doorKind == 2 ? 1 : 0;
}

gameobject::Door* DoorBlock::door(int era) {
    Handover<gameobject::Door>& cached = era == darkEra ? darkDoor : brightDoor;
    return cached.get([&] {
        return std::make_unique<gameobject::Door>(blockTransform(orientation), era,
                                                  doorState(doorKind, era));
    });
}

ObjectList DoorBlock::objects(int era) {
    door(era);
    ObjectList created;
    if (auto owned = (era == darkEra ? darkDoor : brightDoor).take()) {
        created.push_back(std::move(owned));
    }
    created.push_back(std::make_unique<gameobject::DoorFrame>(blockTransform(orientation), era));
    return created;
}

BodyList DoorBlock::bodies(int era) {
    BodyList created;
    created.push_back(frameBody(door(era)->getDoorway()));
    if (auto leaf = door(era)->takeCollisionBody()) {
        created.push_back(std::move(leaf));
    }
    return created;
}

ObjectList DoorBlock::darkObjects() {
    return objects(darkEra);
}

ObjectList DoorBlock::brightObjects() {
    return objects(brightEra);
}

BodyList DoorBlock::brightBodies() {
    return bodies(brightEra);
}

BodyList DoorBlock::darkBodies() {
    return bodies(darkEra);
}

InteractableList DoorBlock::darkInteractables() {
    return {door(darkEra)};
}

InteractableList DoorBlock::brightInteractables() {
    return {door(brightEra)};
}

// The lintel and two posts around the 1.2 x 1.95 doorway, turned with the door only, so
// the boxes line up with the drawn frame.
std::unique_ptr<physics::OwnedRigidBody>
DoorBlock::frameBody(const physics::Doorway& doorway) const {
    using physics::Doorway;
    physics::CollisionShapeLibrary& shapes = physics::CollisionShapeLibrary::getInstance();
    auto frame = std::make_unique<btCompoundShape>();
    const btQuaternion straight = btQuaternion::getIdentity();
    const float post = Doorway::halfOpening + Doorway::jambWidth / 2.0f;
    frame->addChildShape(
        btTransform(straight, btVector3(0.0f, 0.975f, Doorway::frameOffset)),
        shapes.getBox(2.0f * (Doorway::halfOpening + Doorway::jambWidth), 0.55f, 0.1f));
    frame->addChildShape(btTransform(straight, btVector3(-post, -0.275f, Doorway::frameOffset)),
                         shapes.getBox(Doorway::jambWidth, 1.95f, 0.1f));
    frame->addChildShape(btTransform(straight, btVector3(post, -0.275f, Doorway::frameOffset)),
                         shapes.getBox(Doorway::jambWidth, 1.95f, 0.1f));
    btCollisionShape* shape = frame.get();
    shapes.adoptShape(std::move(frame));

    const glm::vec3 c = centre();
    btMatrix3x3 turn;
    turn.setEulerZYX(0.0f, orientationAngle(orientation), 0.0f);
    return std::make_unique<physics::OwnedRigidBody>(
        0.0f, shape, btTransform(turn, btVector3(c.x, c.y, c.z)),
        std::make_unique<physics::BodyTag>(physics::BodyTag{physics::BodyTag::doorway, &doorway}));
}

} // namespace Vexmor::levelloader
