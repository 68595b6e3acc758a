#pragma once

#include "gameobject/timemachine/RotorPart.h"

namespace Vexmor::gameobject::timemachine {

// The small rotor at the end of a right arm; it spins about the arm.
class RotatorRotatorRight : public RotorPart {
public:
    // A reversed rotor turns the other way, so neighbouring rotors counter-rotate.
    RotatorRotatorRight(const glm::mat4& base, bool reversed);
};

} // namespace Vexmor::gameobject::timemachine
