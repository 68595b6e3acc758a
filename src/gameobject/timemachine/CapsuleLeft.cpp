#include "gameobject/timemachine/CapsuleLeft.h"

namespace Vexmor::gameobject::timemachine {

CapsuleLeft::CapsuleLeft(const glm::mat4& base)
    : AnimatedPart(base, "models\\capsule_left.obj", "img\\capsule_off.png") {}

} // namespace Vexmor::gameobject::timemachine
