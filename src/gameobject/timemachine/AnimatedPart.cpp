#include "gameobject/timemachine/AnimatedPart.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject::timemachine {

AnimatedPart::AnimatedPart(const glm::mat4& base, const std::string& modelName, const char* texture)
    : GameObject(base), base(base) {
    attachModel(levelModel(modelName));
    this->texture = texture;
}

void AnimatedPart::onUpdate(double /*seconds*/) {
    setTransform(animation * base);
}

} // namespace Vexmor::gameobject::timemachine
