#include "gameobject/timemachine/LockBig.h"

namespace Vexmor::gameobject::timemachine {

LockBig::LockBig(const glm::mat4& base)
    : AnimatedPart(base, "models\\lock_big.obj", "img\\lock_down_on.png") {}

} // namespace Vexmor::gameobject::timemachine
