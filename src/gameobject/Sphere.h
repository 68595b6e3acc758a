#pragma once

#include "engine/GameObject.h"

namespace Vexmor::gameobject {

// The ball. It is where its physics body is; releasing "B" reports that position on the
// console, to help place things while building levels.
class Sphere : public engine::GameObject {
public:
    // Only appearance 1 is dirty. The first argument is not used.
    Sphere(int ignored, int appearance);

    void onUpdate(double seconds) override;

private:
    // "B" was down at the previous update.
    bool reportKeyHeld = false;
};

} // namespace Vexmor::gameobject
