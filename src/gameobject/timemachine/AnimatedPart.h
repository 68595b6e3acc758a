#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

#include <string>

namespace Vexmor::gameobject::timemachine {

// A capsule half or a lock: it stands at its base matrix, moved by the animation the
// machine gives it, which acts in the parent's space.
class AnimatedPart : public engine::GameObject {
public:
    void setAnimation(const glm::mat4& matrix) { animation = matrix; }
    void onUpdate(double seconds) override;

protected:
    AnimatedPart(const glm::mat4& base, const std::string& modelName, const char* texture);

private:
    glm::mat4 animation{1.0f};
    glm::mat4 base;
};

} // namespace Vexmor::gameobject::timemachine
