#include "screen/CullingScene.h"

#include "engine/GameObject.h"
#include "engine/RenderContext.h"
#include "screen/CellVisibility.h"

#include <glm/geometric.hpp>

namespace Vexmor::screen {

namespace {

glm::vec4 planeThrough(const glm::vec3& normal, const glm::vec3& point) {
    return {normal, -glm::dot(normal, point)};
}

} // namespace

void CullingScene::add(engine::GameObject* object) {
    if (object != nullptr) {
        objects.push_back(object);
    }
}

void CullingScene::buildPlanes(const glm::mat4& camera) {
    const glm::vec3 apex(camera[3]);
    const glm::vec3 right(camera[0]);
    const glm::vec3 up(camera[1]);
    const glm::vec3 forward = -glm::vec3(camera[2]);
    // The side planes run through the apex and the edges of the near rectangle.
    const float halfWidth = frustum.halfWidthSlope();
    const float halfHeight = frustum.halfHeightSlope();

    planes[0] = planeThrough(forward, apex + forward * ViewFrustum::nearDistance);
    planes[1] = planeThrough(-forward, apex + forward * ViewFrustum::farDistance);
    planes[2] = planeThrough(glm::normalize(right + forward * halfWidth), apex);
    planes[3] = planeThrough(glm::normalize(-right + forward * halfWidth), apex);
    planes[4] = planeThrough(glm::normalize(-up + forward * halfHeight), apex);
    planes[5] = planeThrough(glm::normalize(up + forward * halfHeight), apex);
}

bool CullingScene::isVisible(const glm::mat4& camera, const glm::vec3& centre, float radius) {
    buildPlanes(camera);
    return reaches(centre, radius);
}

// Stops at the first plane the sphere lies wholly behind.
bool CullingScene::reaches(const glm::vec3& centre, float radius) const {
    for (const glm::vec4& plane : planes) {
        if (glm::dot(glm::vec3(plane), centre) + plane.w + radius < 0.0f) {
            return false;
        }
    }
    return true;
}

void CullingScene::draw(engine::RenderContext& context, const CellVisibility* cells) {
    const void* value = nullptr;
    if (!context.lookup("cameraTransform", value) || value == nullptr) {
        return;
    }
    buildPlanes(*static_cast<const glm::mat4*>(value));
    for (engine::GameObject* object : objects) {
        const glm::vec3 centre = object->getWorldPosition();
        const float radius = object->getCullingRadius();
        if (reaches(centre, radius) && (cells == nullptr || cells->sees(centre, radius))) {
            object->render(context);
        }
    }
}

} // namespace Vexmor::screen
