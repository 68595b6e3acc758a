#pragma once

#include <LinearMath/btScalar.h>

class btDynamicsWorld;

namespace Vexmor::physics {

// Whether the player touched ground in any physics sub-step since the level last cleared it.
// Only the tick callback sets it; the level samples and clears it.
bool groundContactSeen();
void setGroundContactSeen(bool seen);

// Post-tick callback. Floors and ceilings count alike: any touching player contact whose
// normal is not close to horizontal is ground, which is what lets the player jump.
void detectGroundContact(btDynamicsWorld* world, btScalar timeStep);

} // namespace Vexmor::physics
