#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject::timemachine {

// The seat inside the capsule; it never moves by itself.
class TimeChair : public engine::GameObject {
public:
    explicit TimeChair(const glm::mat4& base);

    void onUpdate(double seconds) override;
};

} // namespace Vexmor::gameobject::timemachine
