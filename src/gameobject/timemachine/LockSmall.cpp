#include "gameobject/timemachine/LockSmall.h"

namespace Vexmor::gameobject::timemachine {

LockSmall::LockSmall(const glm::mat4& base, bool up)
    : AnimatedPart(base, "models\\lock_small.obj",
                   up ? "img\\lock_up_off.png" : "img\\lock_down_off.png"),
      up(up) {}

} // namespace Vexmor::gameobject::timemachine
