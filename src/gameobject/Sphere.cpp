#include "gameobject/Sphere.h"

#include "gameobject/ObjectModel.h"
#include "platform/ActiveInput.h"

#include <iostream>

namespace Vexmor::gameobject {

Sphere::Sphere(int /*ignored*/, int appearance) {
    attachModel(levelModel("models\\sphere.obj"));
    texture = appearance == 1 ? "img\\WallDirty.png" : "img\\Wall.png";
}

void Sphere::onUpdate(double /*seconds*/) {
    const bool keyDown = platform::activeInput().isKeyDown('B');
    if (reportKeyHeld && !keyDown) {
        const glm::vec3 position = getWorldPosition();
        std::cout << "Ball at " << position.x << "|" << position.y << "|" << position.z
                  << std::endl;
    }
    reportKeyHeld = keyDown;
}

} // namespace Vexmor::gameobject
