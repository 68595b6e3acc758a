#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject {

// The frame around a door; only its texture tells the era.
class DoorFrame : public engine::GameObject {
public:
    // Era 0 or 2 looks clean, any other era dirty.
    DoorFrame(const glm::mat4& transform, int era);

    void onUpdate(double seconds) override;
};

} // namespace Vexmor::gameobject
