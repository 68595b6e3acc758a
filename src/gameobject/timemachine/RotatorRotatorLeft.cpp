#include "gameobject/timemachine/RotatorRotatorLeft.h"

namespace Vexmor::gameobject::timemachine {

RotatorRotatorLeft::RotatorRotatorLeft(const glm::mat4& base, bool reversed)
    : RotorPart(base, "models\\rotatorrotator_left.obj",
                {90.0f, 540.0f, glm::vec3(0.0f, 1.0f, 0.0f), reversed ? -1 : 1}) {}

} // namespace Vexmor::gameobject::timemachine
