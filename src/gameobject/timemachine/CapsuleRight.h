#pragma once

#include "gameobject/timemachine/AnimatedPart.h"

namespace Vexmor::gameobject::timemachine {

// The right half of the capsule; it slides right when the machine opens.
class CapsuleRight : public AnimatedPart {
public:
    explicit CapsuleRight(const glm::mat4& base);
};

} // namespace Vexmor::gameobject::timemachine
