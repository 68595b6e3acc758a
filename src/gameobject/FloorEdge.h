#pragma once

#include "engine/GameObject.h"

#include <glm/mat4x4.hpp>

namespace Vexmor::gameobject {

// A kerb along a floor's edge where it ends over a drop, so a ledge shows where it stops,
// also by the head lamp alone in the dark era.
class FloorEdge : public engine::GameObject {
public:
    // `transform` places the middle of the edge, turned so the model's +z faces the drop;
    // appearance 1 is the dark era's.
    FloorEdge(const glm::mat4& transform, int appearance);

    void onUpdate(double seconds) override;
};

} // namespace Vexmor::gameobject
