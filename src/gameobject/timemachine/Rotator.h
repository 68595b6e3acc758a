#pragma once

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject::timemachine {

// What the machine does with its rotor arms and the small rotors on them.
class Rotator {
public:
    virtual ~Rotator() = default;

    virtual void startSpinning() = 0;
    // Applied after the spin, so an extension moves along the rotor's own turned axes.
    virtual void setAnimation(const glm::mat4& matrix) = 0;
    virtual void switchOn() = 0;
};

} // namespace Vexmor::gameobject::timemachine
