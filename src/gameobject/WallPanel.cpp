#include "gameobject/WallPanel.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject {

WallPanel::WallPanel(const glm::mat4& transform, int face, int appearance) : GameObject(transform) {
    attachModel(levelModel("models\\Plane.obj"));
    const bool dirty = appearance == 1 || appearance == 3;
    if (face == 2 || face == 3) {
        texture = dirty ? "img\\FloorCeilDirty.png" : "img\\FloorCeil.png";
    } else {
        texture = dirty ? "img\\WallDirty.png" : "img\\Wall.png";
    }
    requireModel(*this, "WallPanel");
}

void WallPanel::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject
