#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject {

// A flight of stairs, intact or broken, with or without the block beneath it.
class Stair : public engine::GameObject {
public:
    // Appearance 0 bright, 1 dark, 2 bright destroyed, 3 dark destroyed; anything else
    // looks bright. A non-zero withBlock fills the space under the steps.
    Stair(const glm::mat4& transform, int appearance, int withBlock);

    void onUpdate(double seconds) override;
};

} // namespace Vexmor::gameobject
