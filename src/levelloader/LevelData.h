#pragma once

#include "engine/GameObject.h"
#include "physics/OwnedRigidBody.h"

#include <glm/vec3.hpp>

#include <cstdint>
#include <memory>
#include <vector>

namespace Vexmor::gameobject {
class Interactable;
class LevelEnder;
} // namespace Vexmor::gameobject

namespace Vexmor::levelloader {

using ObjectList = std::vector<std::unique_ptr<engine::GameObject>>;
using BodyList = std::vector<std::unique_ptr<physics::OwnedRigidBody>>;
using InteractableList = std::vector<gameobject::Interactable*>;

// What loading a level file hands to the level: both eras' objects and bodies (owned),
// what the player can use, and what can end the level. Each list keeps creation order:
// items first, then the cells in x, y, z order.
struct LevelData {
    ObjectList darkObjects;
    ObjectList brightObjects;
    // In grid units.
    glm::vec3 playerStart{0.0f, 0.0f, 0.0f};
    std::int32_t xDim = 0;
    std::int32_t yDim = 0;
    std::int32_t zDim = 0;
    BodyList brightBodies;
    BodyList darkBodies;
    // Faces of objects owned through the object lists.
    InteractableList brightInteractables;
    InteractableList darkInteractables;
    std::vector<gameobject::LevelEnder*> levelEnders;
    // In grid units: every cell the sight passes through (the named blocks; rock closes).
    std::vector<glm::ivec3> openCells;
};

} // namespace Vexmor::levelloader
