#pragma once

#include "physics/Doorway.h"

#include <LinearMath/btScalar.h>

#include <vector>

class btCollisionObject;
class btDynamicsWorld;

namespace Vexmor::physics {

// A contact whose normal rises or falls more than this is ground (floors and ceilings
// alike); one closer to horizontal is a wall's.
constexpr btScalar groundNormalRise = 0.1f;

// Whether the player touched ground in any physics sub-step since the level last cleared it.
// Only the tick callback sets it; the level samples and clears it.
bool groundContactSeen();
void setGroundContactSeen(bool seen);

// Post-tick callback. Floors and ceilings count alike: any touching player contact whose
// normal is not close to horizontal is ground, which is what lets the player jump.
void detectGroundContact(btDynamicsWorld* world, btScalar timeStep);

// Replaces `walls` with every wall the body touches in the world: contacts whose normal is
// close to horizontal, seen from the body.
void collectWallContacts(btDynamicsWorld& world, const btCollisionObject* body,
                         std::vector<WallContact>& walls);

} // namespace Vexmor::physics
