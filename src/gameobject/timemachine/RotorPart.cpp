#include "gameobject/timemachine/RotorPart.h"

#include "engine/Degrees.h"
#include "gameobject/ObjectModel.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>

namespace Vexmor::gameobject::timemachine {

RotorPart::RotorPart(const glm::mat4& base, const std::string& modelName, const Spin& spin)
    : GameObject(base), spin(spin), base(base) {
    attachModel(levelModel(modelName));
    texture = "img\\rotator_off.png";
}

void RotorPart::switchOn() {
    texture = "img\\rotator_on.png";
}

void RotorPart::onUpdate(double seconds) {
    if (spinning) {
        spinSpeed = static_cast<float>(
            std::min<double>(spin.topSpeed, spinSpeed + spin.acceleration * seconds));
    }
    spinAngle += static_cast<float>(spin.direction * spinSpeed * seconds);
    setTransform(base * glm::rotate(glm::mat4(1.0f), engine::radians(spinAngle), spin.axis) *
                 animation);
}

} // namespace Vexmor::gameobject::timemachine
