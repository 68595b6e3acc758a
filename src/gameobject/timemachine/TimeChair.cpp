#include "gameobject/timemachine/TimeChair.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject::timemachine {

TimeChair::TimeChair(const glm::mat4& base) : GameObject(base) {
    attachModel(levelModel("models\\time_chair.obj"));
    texture = "img\\chair.png";
}

void TimeChair::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject::timemachine
