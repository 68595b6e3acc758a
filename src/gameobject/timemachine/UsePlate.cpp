#include "gameobject/timemachine/UsePlate.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject::timemachine {

UsePlate::UsePlate(const glm::mat4& base) : GameObject(base) {
    attachModel(levelModel("models\\use_plate.obj"));
    texture = "img\\use_plate.png";
    emission = glow;
}

void UsePlate::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject::timemachine
