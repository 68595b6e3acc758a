#include "gameobject/timemachine/RotatorLeft.h"

namespace Vexmor::gameobject::timemachine {

RotatorLeft::RotatorLeft(const glm::mat4& base)
    : RotorPart(base, "models\\rotator_left.obj", {45.0f, 360.0f, glm::vec3(1.0f, 0.0f, 0.0f), 1}) {
}

} // namespace Vexmor::gameobject::timemachine
