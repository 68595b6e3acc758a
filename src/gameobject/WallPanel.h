#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject {

// One face of a wall block, turned toward the open cell next to it.
class WallPanel : public engine::GameObject {
public:
    // Faces 2 and 3 are floor and ceiling, the others side walls; appearance 1 and 3 are
    // the dark era's.
    WallPanel(const glm::mat4& transform, int face, int appearance);

    void onUpdate(double seconds) override;
};

} // namespace Vexmor::gameobject
