#pragma once

#include "gameobject/timemachine/AnimatedPart.h"

namespace Vexmor::gameobject::timemachine {

// The left half of the capsule; it slides left when the machine opens.
class CapsuleLeft : public AnimatedPart {
public:
    explicit CapsuleLeft(const glm::mat4& base);
};

} // namespace Vexmor::gameobject::timemachine
