#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject::timemachine {

// A plate on the floor before the machine's use side that glows far brighter than the
// machine, so the side it is used from shows across a dark room in either era.
class UsePlate : public engine::GameObject {
public:
    // Bright enough that the plate shows its texture's own colours with no lamp on it.
    static constexpr float glow = 5.0f;

    explicit UsePlate(const glm::mat4& base);

    void onUpdate(double seconds) override;
};

} // namespace Vexmor::gameobject::timemachine
