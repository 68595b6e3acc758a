#include "gameobject/DoorFrame.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject {

DoorFrame::DoorFrame(const glm::mat4& transform, int era) : GameObject(transform) {
    attachModel(levelModel("models\\door_frame.obj"));
    texture = era == 0 || era == 2 ? "img\\Wall.png" : "img\\WallDirty.png";
}

void DoorFrame::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject
