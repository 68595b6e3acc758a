#pragma once

#include "engine/GameObject.h"
#include "gameobject/timemachine/Rotator.h"

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <string>

namespace Vexmor::gameobject::timemachine {

// A rotor arm or a small rotor: once started it spins up at a fixed rate to its top
// speed about one axis of its base.
class RotorPart : public engine::GameObject, public Rotator {
public:
    void startSpinning() override { spinning = true; }
    void setAnimation(const glm::mat4& matrix) override { animation = matrix; }
    void switchOn() override;
    void onUpdate(double seconds) override;

    bool isSpinning() const { return spinning; }
    // Degrees, growing without bound.
    float getSpinAngle() const { return spinAngle; }
    // Degrees per second.
    float getSpinSpeed() const { return spinSpeed; }

protected:
    struct Spin {
        // Degrees per second, per second.
        float acceleration;
        float topSpeed;
        glm::vec3 axis;
        // -1 turns the other way.
        int direction;
    };

    RotorPart(const glm::mat4& base, const std::string& modelName, const Spin& spin);

private:
    Spin spin;
    glm::mat4 animation{1.0f};
    glm::mat4 base;
    bool spinning = false;
    float spinAngle = 0.0f;
    float spinSpeed = 0.0f;
};

} // namespace Vexmor::gameobject::timemachine
