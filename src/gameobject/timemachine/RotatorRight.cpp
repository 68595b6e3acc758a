#include "gameobject/timemachine/RotatorRight.h"

namespace Vexmor::gameobject::timemachine {

RotatorRight::RotatorRight(const glm::mat4& base)
    : RotorPart(base, "models\\rotator_right.obj",
                {45.0f, 270.0f, glm::vec3(1.0f, 0.0f, 0.0f), 1}) {}

} // namespace Vexmor::gameobject::timemachine
