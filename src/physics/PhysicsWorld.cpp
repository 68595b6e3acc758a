#include "physics/PhysicsWorld.h"

#include "physics/GroundContact.h"

#include <BulletCollision/BroadphaseCollision/btDbvtBroadphase.h>
#include <BulletCollision/CollisionDispatch/btCollisionDispatcher.h>
#include <BulletCollision/CollisionDispatch/btDefaultCollisionConfiguration.h>
#include <BulletDynamics/ConstraintSolver/btSequentialImpulseConstraintSolver.h>
#include <BulletDynamics/Dynamics/btDiscreteDynamicsWorld.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>

#include <algorithm>

namespace Vexmor::physics {

namespace {

constexpr int maxSubSteps = 10;
constexpr float fixedSubStep = 1.0f / 60.0f;

} // namespace

// The library's pool defaults (4096 manifolds, 4096 algorithms) are plenty for one level.
PhysicsWorld::PhysicsWorld()
    : broadphase(std::make_unique<btDbvtBroadphase>()),
      configuration(
          std::make_unique<btDefaultCollisionConfiguration>(btDefaultCollisionConstructionInfo())),
      dispatcher(std::make_unique<btCollisionDispatcher>(configuration.get())),
      solver(std::make_unique<btSequentialImpulseConstraintSolver>()),
      dynamicsWorld(std::make_unique<btDiscreteDynamicsWorld>(dispatcher.get(), broadphase.get(),
                                                              solver.get(), configuration.get())) {
    // Bodies are drawn where the last sub-step put them, carried on by the time left over,
    // not one sub-step behind: the eye rides on the player's body, and a frame shows where
    // that frame's step put him.
    dynamicsWorld->setLatencyMotionStateInterpolation(false);
}

// Each part still uses the ones made before it, so they go in reverse.
PhysicsWorld::~PhysicsWorld() {
    dynamicsWorld.reset();
    solver.reset();
    dispatcher.reset();
    configuration.reset();
    broadphase.reset();
}

void PhysicsWorld::addRigidBody(btRigidBody* body) {
    dynamicsWorld->addRigidBody(body);
}

void PhysicsWorld::removeRigidBody(btRigidBody* body) {
    dynamicsWorld->removeRigidBody(body);
}

void PhysicsWorld::stepSimulation(double seconds) {
    dynamicsWorld->stepSimulation(static_cast<float>(seconds), maxSubSteps, fixedSubStep);
}

// Both callbacks share the world's user pointer, so each sets it to this world.
void PhysicsWorld::installGroundContactCallback() {
    dynamicsWorld->setInternalTickCallback(detectGroundContact, this, false);
}

void PhysicsWorld::setPreTickAction(std::function<void(float)> action) {
    preTickAction = std::move(action);
    dynamicsWorld->setInternalTickCallback(preTickAction ? runPreTickAction : nullptr, this, true);
}

void PhysicsWorld::runPreTickAction(btDynamicsWorld* world, btScalar timeStep) {
    static_cast<PhysicsWorld*>(world->getWorldUserInfo())->preTickAction(timeStep);
}

void PhysicsWorld::collectWallContacts(const btRigidBody* body,
                                       std::vector<WallContact>& walls) const {
    physics::collectWallContacts(*dynamicsWorld, body, walls);
}

btScalar PhysicsWorld::deepestFixedOverlap(btRigidBody* body) const {
    struct Deepest : btCollisionWorld::ContactResultCallback {
        explicit Deepest(const btCollisionObject* body) : body(body) {}
        btScalar addSingleResult(btManifoldPoint& point, const btCollisionObjectWrapper* a, int,
                                 int, const btCollisionObjectWrapper* b, int, int) override {
            const btCollisionObject* other =
                a->getCollisionObject() == body ? b->getCollisionObject() : a->getCollisionObject();
            if (other->isStaticOrKinematicObject()) {
                depth = std::max(depth, -point.getDistance());
            }
            return 0;
        }
        const btCollisionObject* body;
        btScalar depth = 0;
    } deepest(body);
    dynamicsWorld->contactTest(body, deepest);
    return deepest.depth;
}

std::size_t PhysicsWorld::bodyCount() const {
    return static_cast<std::size_t>(dynamicsWorld->getNumCollisionObjects());
}

// A body knows its slot in the world that holds it, so this is asked every sub-step.
bool PhysicsWorld::contains(const btRigidBody* body) const {
    const btCollisionObjectArray& objects = dynamicsWorld->getCollisionObjectArray();
    const int index = body->getWorldArrayIndex();
    return index >= 0 && index < objects.size() && objects[index] == body;
}

} // namespace Vexmor::physics
