#include "gameobject/FloorEdge.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject {

FloorEdge::FloorEdge(const glm::mat4& transform) : GameObject(transform) {
    attachModel(levelModel("models\\floor_edge.obj"));
    // The clean stone in both eras: the kerb must stand out from the dark era's floor.
    // Without its model the kerb is simply left out; the level plays the same.
    texture = "img\\Wall.png";
}

void FloorEdge::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject
