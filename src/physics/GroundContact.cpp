#include "physics/GroundContact.h"

#include "physics/BodyTag.h"

#include <BulletCollision/BroadphaseCollision/btDispatcher.h>
#include <BulletCollision/CollisionDispatch/btCollisionObject.h>
#include <BulletCollision/NarrowPhaseCollision/btPersistentManifold.h>
#include <BulletDynamics/Dynamics/btDynamicsWorld.h>

#include <cmath>

namespace Vexmor::physics {

namespace {

bool seenSinceCleared = false;

constexpr btScalar touchingDistance = 0.1f;

// Every user pointer in a world is a BodyTag; block bodies have none.
bool isPlayer(const btCollisionObject* body) {
    const auto* tag = static_cast<const BodyTag*>(body->getUserPointer());
    return tag != nullptr && tag->kind == BodyTag::player;
}

const Doorway* doorwayOf(const btCollisionObject* body) {
    const auto* tag = static_cast<const BodyTag*>(body->getUserPointer());
    return tag != nullptr && tag->kind == BodyTag::doorway ? static_cast<const Doorway*>(tag->owner)
                                                           : nullptr;
}

} // namespace

bool groundContactSeen() {
    return seenSinceCleared;
}

void setGroundContactSeen(bool seen) {
    seenSinceCleared = seen;
}

void detectGroundContact(btDynamicsWorld* world, btScalar) {
    btDispatcher* dispatcher = world->getDispatcher();
    const int manifoldCount = dispatcher->getNumManifolds();
    for (int m = 0; m < manifoldCount; ++m) {
        const btPersistentManifold* manifold = dispatcher->getManifoldByIndexInternal(m);
        if (!isPlayer(manifold->getBody0()) && !isPlayer(manifold->getBody1())) {
            continue;
        }
        for (int p = 0; p < manifold->getNumContacts(); ++p) {
            const btManifoldPoint& point = manifold->getContactPoint(p);
            if (point.getDistance() <= touchingDistance &&
                std::abs(point.m_normalWorldOnB.y()) > groundNormalRise) {
                seenSinceCleared = true;
                return;
            }
        }
    }
}

void collectWallContacts(btDynamicsWorld& world, const btCollisionObject* body,
                         std::vector<WallContact>& walls) {
    walls.clear();
    btDispatcher* dispatcher = world.getDispatcher();
    const int manifoldCount = dispatcher->getNumManifolds();
    for (int m = 0; m < manifoldCount; ++m) {
        const btPersistentManifold* manifold = dispatcher->getManifoldByIndexInternal(m);
        const bool first = manifold->getBody0() == body;
        if (!first && manifold->getBody1() != body) {
            continue;
        }
        const Doorway* doorway = doorwayOf(first ? manifold->getBody1() : manifold->getBody0());
        for (int p = 0; p < manifold->getNumContacts(); ++p) {
            const btManifoldPoint& point = manifold->getContactPoint(p);
            // The normal points from the second body toward the first.
            const btVector3 out = first ? point.m_normalWorldOnB : -point.m_normalWorldOnB;
            const glm::vec2 across(out.x(), out.z());
            const float length = std::sqrt(across.x * across.x + across.y * across.y);
            if (point.getDistance() <= touchingDistance && std::abs(out.y()) <= groundNormalRise &&
                length > 0.0f) {
                walls.push_back({across / length, doorway});
            }
        }
    }
}

} // namespace Vexmor::physics
