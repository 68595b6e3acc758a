#pragma once

#include "gameobject/timemachine/RotorPart.h"

namespace Vexmor::gameobject::timemachine {

// An arm on the left capsule half; it turns about the capsule's long axis.
class RotatorLeft : public RotorPart {
public:
    explicit RotatorLeft(const glm::mat4& base);
};

} // namespace Vexmor::gameobject::timemachine
