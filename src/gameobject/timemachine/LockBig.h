#pragma once

#include "gameobject/timemachine/AnimatedPart.h"

namespace Vexmor::gameobject::timemachine {

// A big lock on the capsule's front seam; it spins open.
class LockBig : public AnimatedPart {
public:
    explicit LockBig(const glm::mat4& base);
};

} // namespace Vexmor::gameobject::timemachine
