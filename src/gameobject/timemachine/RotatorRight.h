#pragma once

#include "gameobject/timemachine/RotorPart.h"

namespace Vexmor::gameobject::timemachine {

// An arm on the right capsule half; it tops out slower than the left ones.
class RotatorRight : public RotorPart {
public:
    explicit RotatorRight(const glm::mat4& base);
};

} // namespace Vexmor::gameobject::timemachine
