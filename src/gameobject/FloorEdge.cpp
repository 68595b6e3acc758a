#include "gameobject/FloorEdge.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject {

FloorEdge::FloorEdge(const glm::mat4& transform, int appearance) : GameObject(transform) {
    attachModel(levelModel("models\\floor_edge.obj"));
    // It must stand out from the floor: pale stone on the dark era's mossy tiles, the
    // darker stone of a stair's riser on the bright era's pale ones. Without its model the
    // kerb is simply left out; the level plays the same.
    texture = appearance == 1 ? "img\\Wall.png" : "img\\Stairs.png";
}

void FloorEdge::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject
