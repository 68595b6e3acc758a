#include "levelloader/TimeMachineBlock.h"

#include "gameobject/timemachine/TimeMachine.h"
#include "gameobject/timemachine/UsePlate.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btSphereShape.h>
#include <glm/gtc/matrix_transform.hpp>

namespace Vexmor::levelloader {

TimeMachineBlock::TimeMachineBlock(std::int32_t x, std::int32_t y, std::int32_t z, int orientation)
    : BlockObject(x, y, z), orientation(orientation) {}

TimeMachineBlock::~TimeMachineBlock() = default;

glm::mat4 TimeMachineBlock::placement() const {
    const glm::mat4 corner = glm::translate(glm::mat4(1.0f), glm::vec3(1.25f, 0.0f, 1.25f));
    return corner * blockTransform(orientation);
}

gameobject::TimeMachine* TimeMachineBlock::machine(int era) {
    Handover<gameobject::TimeMachine>& cached = era == darkEra ? darkMachine : brightMachine;
    return cached.get([&] { return std::make_unique<gameobject::TimeMachine>(placement()); });
}

ObjectList TimeMachineBlock::objects(int era) {
    machine(era);
    ObjectList created;
    if (auto owned = (era == darkEra ? darkMachine : brightMachine).take()) {
        created.push_back(std::move(owned));
        // On the floor before the use side, where the player stands to use it.
        created.push_back(std::make_unique<gameobject::timemachine::UsePlate>(
            placement() * glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -1.25f, 1.4f))));
    }
    return created;
}

BodyList TimeMachineBlock::body() const {
    const glm::vec3 c = centre();
    BodyList created;
    created.push_back(std::make_unique<physics::OwnedRigidBody>(
        0.0f, physics::CollisionShapeLibrary::getInstance().getSphere(1.0f),
        btTransform(btQuaternion::getIdentity(), btVector3(c.x + 1.25f, c.y, c.z + 1.25f))));
    return created;
}

ObjectList TimeMachineBlock::darkObjects() {
    return objects(darkEra);
}

ObjectList TimeMachineBlock::brightObjects() {
    return objects(brightEra);
}

BodyList TimeMachineBlock::brightBodies() {
    return body();
}

BodyList TimeMachineBlock::darkBodies() {
    return body();
}

InteractableList TimeMachineBlock::darkInteractables() {
    return {machine(darkEra)};
}

InteractableList TimeMachineBlock::brightInteractables() {
    return {machine(brightEra)};
}

void TimeMachineBlock::addToLevel(LevelData& level) {
    BlockObject::addToLevel(level);
    level.levelEnders.push_back(machine(brightEra));
    level.levelEnders.push_back(machine(darkEra));
}

} // namespace Vexmor::levelloader
