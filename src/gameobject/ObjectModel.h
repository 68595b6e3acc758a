#pragma once

#include <string>

namespace Vexmor::engine {
class GameObject;
class Model;
} // namespace Vexmor::engine

namespace Vexmor::gameobject {

// A level object's model, bound to the lit and shadowed program the level draws with.
engine::Model* levelModel(const std::string& fileName);

// A stair or a wall panel without geometry would leave a hole in the level, so the game
// stops: the message, "pause", exit status 4.
void requireModel(const engine::GameObject& object, const char* className);

} // namespace Vexmor::gameobject
