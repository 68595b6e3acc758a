#pragma once

#include "levelloader/BlockObject.h"
#include "levelloader/Handover.h"
#include "physics/Doorway.h"

namespace Vexmor::gameobject {
class Door;
}

namespace Vexmor::levelloader {

// A doorway: a frame and a door per era. The door kind decides whether each era's door
// opens, is locked, or lies fallen.
class DoorBlock : public BlockObject {
public:
    DoorBlock(std::int32_t x, std::int32_t y, std::int32_t z, int orientation, int doorKind);
    ~DoorBlock() override;

    ObjectList darkObjects() override;
    ObjectList brightObjects() override;
    BodyList brightBodies() override;
    BodyList darkBodies() override;
    InteractableList darkInteractables() override;
    InteractableList brightInteractables() override;

    // The door state for an era: 0 opens, 1 locked, 2 fallen.
    static int doorState(int doorKind, int era);

    // A new body for the frame, the same in both eras; contacts with it tell the doorway.
    std::unique_ptr<physics::OwnedRigidBody> frameBody(const physics::Doorway& doorway) const;

    const int orientation;
    const int doorKind;

private:
    gameobject::Door* door(int era);
    ObjectList objects(int era);
    BodyList bodies(int era);

    Handover<gameobject::Door> darkDoor;
    Handover<gameobject::Door> brightDoor;
};

} // namespace Vexmor::levelloader
