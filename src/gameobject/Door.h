#pragma once

#include "engine/GameObject.h"
#include "gameobject/Interactable.h"
#include "physics/Doorway.h"
#include "physics/OwnedRigidBody.h"

#include <glm/mat4x4.hpp>

#include <memory>

class btRigidBody;

namespace Vexmor::gameobject {

// The leaf of a door block. The player toggles it; a normal door swings about its hinge
// at a fixed speed and carries its collision box along, a locked one rattles against its
// lock and stays shut, and a fallen one lies on the floor without a box and cannot be used.
class Door : public engine::GameObject, public Interactable {
public:
    enum State : int { Normal = 0, Locked = 1, Fallen = 2 };

    // The era does not change the door; the block passes it all the same.
    Door(const glm::mat4& transform, int era, int state);

    void onUpdate(double seconds) override;
    bool isInRange(const glm::vec3& point) override;
    // Pressed against the leaf the probe point has passed through it, into the cell
    // beyond, where the reach test would miss it.
    bool isAgainst(const glm::vec3& eye) override;
    void interact() override;
    // The middle of the leaf where it stands now.
    glm::vec3 getCentre() override;
    // The leaf where it stands now: looking at any part of it is aiming at the door.
    AimArea getAimArea() override;
    bool refusedUse() const override { return state == Locked; }

    // Hands the collision box to whoever adds it to a physics world; the door keeps
    // moving it. Null for a fallen door or once taken.
    std::unique_ptr<physics::OwnedRigidBody> takeCollisionBody();
    btRigidBody* getCollisionBody() const { return collisionBody; }

    // The opening of the frame the door hangs in, whatever its state.
    const physics::Doorway& getDoorway() const { return doorway; }
    bool isOpen() const { return open; }
    float getAngle() const { return angle; }
    int getState() const { return state; }

private:
    // A locked leaf pulled against its lock: out a few degrees and back, twice.
    void rattle(double seconds);

    bool open = false;
    // Degrees, 0 shut to 90 wide open.
    float angle = 0.0f;
    // Seconds since a locked door was last tried; below 0 while it is still.
    double rattleTime = -1.0;
    glm::mat4 closedTransform;
    physics::Doorway doorway;
    std::unique_ptr<physics::OwnedRigidBody> ownedCollisionBody;
    btRigidBody* collisionBody = nullptr;
    int state;
};

} // namespace Vexmor::gameobject
