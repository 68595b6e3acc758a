#pragma once

#include "physics/Doorway.h"

#include <LinearMath/btScalar.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class btCollisionDispatcher;
class btDbvtBroadphase;
class btDefaultCollisionConfiguration;
class btDiscreteDynamicsWorld;
class btDynamicsWorld;
class btRigidBody;
class btSequentialImpulseConstraintSolver;

namespace Vexmor::physics {

// One era's simulated world under Bullet's default gravity (0, -10, 0). It never owns the
// bodies put into it: their owners delete them after the world is gone.
class PhysicsWorld {
public:
    PhysicsWorld();
    ~PhysicsWorld();
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    void addRigidBody(btRigidBody* body);
    void removeRigidBody(btRigidBody* body);
    // Fixed 1/60 s sub-steps, at most 10 a frame: a long frame lets the simulation fall
    // behind instead of stalling the game.
    void stepSimulation(double seconds);
    void installGroundContactCallback();
    // Runs before every fixed sub-step with its length. What pushes a body there moves it
    // alike at any frame rate, since the sub-steps are the simulation's clock.
    void setPreTickAction(std::function<void(float)> action);

    // How deep the body, where it is, reaches into this world's fixed bodies (rock, stairs,
    // doors); 0 when it only touches them. The body need not be in this world.
    btScalar deepestFixedOverlap(btRigidBody* body) const;

    // The walls the body touches, into `walls`.
    void collectWallContacts(const btRigidBody* body, std::vector<WallContact>& walls) const;

    std::size_t bodyCount() const;
    bool contains(const btRigidBody* body) const;

private:
    static void runPreTickAction(btDynamicsWorld* world, btScalar timeStep);

    std::unique_ptr<btDbvtBroadphase> broadphase;
    std::unique_ptr<btDefaultCollisionConfiguration> configuration;
    std::unique_ptr<btCollisionDispatcher> dispatcher;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver;
    std::unique_ptr<btDiscreteDynamicsWorld> dynamicsWorld;
    std::function<void(float)> preTickAction;
};

} // namespace Vexmor::physics
