#pragma once

#include "gameobject/timemachine/AnimatedPart.h"

namespace Vexmor::gameobject::timemachine {

// A small lock on the capsule's front seam; the upper and the lower one show different
// arrows.
class LockSmall : public AnimatedPart {
public:
    LockSmall(const glm::mat4& base, bool up);

    bool isUp() const { return up; }

private:
    bool up;
};

} // namespace Vexmor::gameobject::timemachine
