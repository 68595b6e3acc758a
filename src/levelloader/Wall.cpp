#include "levelloader/Wall.h"

#include "engine/Placement.h"
#include "gameobject/FloorEdge.h"
#include "gameobject/WallPanel.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <glm/gtc/matrix_transform.hpp>

namespace Vexmor::levelloader {

namespace {

struct PanelSide {
    std::uint8_t flag;
    float pitch;
    float yaw;
    int face;
};

// In creation order; the angles turn the panel model's +z toward the open neighbour.
constexpr PanelSide panelSides[] = {
    {Wall::towardMinusX, 0.0f, 270.0f, 0}, {Wall::towardPlusZ, 0.0f, 0.0f, 4},
    {Wall::towardPlusX, 0.0f, 90.0f, 1},   {Wall::towardMinusZ, 0.0f, 180.0f, 5},
    {Wall::above, 270.0f, 0.0f, 3},        {Wall::below, 90.0f, 0.0f, 2},
};

// Every wall body is the same full cell: one shape for all of them.
btBoxShape* wallShape() {
    static btBoxShape shape(btVector3(1.25f, 1.25f, 1.25f));
    return &shape;
}

} // namespace

ObjectList Wall::darkObjects() {
    return panels(darkEra);
}

ObjectList Wall::brightObjects() {
    return panels(brightEra);
}

BodyList Wall::brightBodies() {
    return body();
}

BodyList Wall::darkBodies() {
    return body();
}

ObjectList Wall::panels(int appearance) const {
    ObjectList created;
    for (const PanelSide& side : panelSides) {
        const bool panel = (openSides & side.flag) != 0;
        const bool kerb = (dropSides[appearance] & side.flag) != 0;
        if (!panel && !kerb) {
            continue;
        }
        engine::Placement placement;
        placement.position = centre();
        placement.rotation = {side.pitch, side.yaw, 0.0f};
        placement.updateMatrix();
        if (panel) {
            created.push_back(
                std::make_unique<gameobject::WallPanel>(*placement.matrix, side.face, appearance));
        }
        if (kerb) {
            // From the rock's centre up to its top face and out to the side's edge.
            const glm::mat4 edge = glm::translate(*placement.matrix, glm::vec3(0.0f, 1.25f, 1.25f));
            created.push_back(std::make_unique<gameobject::FloorEdge>(edge, appearance));
        }
    }
    return created;
}

BodyList Wall::body() const {
    BodyList created;
    if (openSides != 0) {
        const glm::vec3 c = centre();
        created.push_back(std::make_unique<physics::OwnedRigidBody>(
            0.0f, wallShape(), btTransform(btQuaternion::getIdentity(), btVector3(c.x, c.y, c.z))));
    }
    return created;
}

} // namespace Vexmor::levelloader
