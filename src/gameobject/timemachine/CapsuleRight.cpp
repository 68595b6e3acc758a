#include "gameobject/timemachine/CapsuleRight.h"

namespace Vexmor::gameobject::timemachine {

CapsuleRight::CapsuleRight(const glm::mat4& base)
    : AnimatedPart(base, "models\\capsule_right.obj", "img\\capsule_off.png") {}

} // namespace Vexmor::gameobject::timemachine
