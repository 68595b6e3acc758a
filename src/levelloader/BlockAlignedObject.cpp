#include "levelloader/BlockAlignedObject.h"

#include "engine/Degrees.h"

#include <glm/gtc/matrix_transform.hpp>

#include <iterator>

namespace Vexmor::levelloader {

namespace {

template <typename List> void append(List& to, List&& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

} // namespace

BlockAlignedObject::BlockAlignedObject(std::int32_t x, std::int32_t y, std::int32_t z)
    : x(x), y(y), z(z) {}

InteractableList BlockAlignedObject::darkInteractables() {
    return {};
}

InteractableList BlockAlignedObject::brightInteractables() {
    return {};
}

void BlockAlignedObject::addToLevel(LevelData& level) {
    append(level.darkObjects, darkObjects());
    append(level.brightObjects, brightObjects());
    append(level.darkBodies, darkBodies());
    append(level.brightBodies, brightBodies());
    append(level.darkInteractables, darkInteractables());
    append(level.brightInteractables, brightInteractables());
}

glm::mat4 BlockAlignedObject::blockTransform(int orientation) const {
    return glm::translate(glm::mat4(1.0f), centre()) * orientationRotation(orientation);
}

glm::mat4 BlockAlignedObject::orientationRotation(int orientation) const {
    const int turns = quarterTurns(orientation);
    if (turns == 0) {
        return glm::mat4(1.0f);
    }
    return glm::rotate(glm::mat4(1.0f), engine::radians(90.0f * static_cast<float>(turns)),
                       glm::vec3(0.0f, 1.0f, 0.0f));
}

glm::vec3 BlockAlignedObject::centre() const {
    return {2.5f * static_cast<float>(x) + 1.25f, 2.5f * static_cast<float>(y) + 1.25f,
            2.5f * static_cast<float>(z) + 1.25f};
}

float BlockAlignedObject::orientationAngle(int orientation) {
    constexpr float pi = 3.14159265f;
    switch (quarterTurns(orientation)) {
    case 0:
        return 0.0f;
    case 1:
        return pi / 2.0f;
    case 2:
        return pi;
    default:
        return 3.0f * pi / 2.0f;
    }
}

int BlockAlignedObject::quarterTurns(int orientation) {
    return (orientation % 4 + 4) % 4;
}

} // namespace Vexmor::levelloader
