#include "gameobject/Stair.h"

#include "gameobject/ObjectModel.h"

namespace Vexmor::gameobject {

namespace {

struct StairLook {
    const char* model;
    const char* modelWithBlock;
    const char* texture;
};

// By appearance code. Intact steps wear a stone of their own, lighter treads over darker
// risers, so a flight does not read as wall in the dark; ruined ones lie as rubble.
const StairLook looks[] = {
    {"models\\stairs.obj", "models\\stairs_block.obj", "img\\Stairs.png"},
    {"models\\stairs.obj", "models\\stairs_block.obj", "img\\StairsDirty.png"},
    {"models\\stairs_destructed.obj", "models\\stairs_block_destructed.obj",
     "img\\Wall_destructed.png"},
    {"models\\stairs_destructed.obj", "models\\stairs_block_destructed.obj",
     "img\\WallDirty_destructed.png"},
};

} // namespace

Stair::Stair(const glm::mat4& transform, int appearance, int withBlock) : GameObject(transform) {
    const StairLook& look = appearance >= 1 && appearance <= 3 ? looks[appearance] : looks[0];
    attachModel(levelModel(withBlock != 0 ? look.modelWithBlock : look.model));
    texture = look.texture;
    requireModel(*this, "Stair");
}

void Stair::onUpdate(double /*seconds*/) {}

} // namespace Vexmor::gameobject
