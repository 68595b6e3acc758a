#pragma once

#include "screen/ViewFrustum.h"

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

#include <array>
#include <vector>

namespace Vexmor::engine {
class GameObject;
class RenderContext;
} // namespace Vexmor::engine

namespace Vexmor::screen {

class CellVisibility;

// One era's objects, drawn only when their bounding sphere reaches into the view frustum
// of the context's "cameraTransform".
class CullingScene {
public:
    // The view follows the framebuffer's aspect; the start aspect until told otherwise.
    void setFrustum(const ViewFrustum& view) { frustum = view; }

    // Not owned; null entries are left out.
    void add(engine::GameObject* object);
    // With `cells`, objects in cells the camera cannot see into are left out as well.
    void draw(engine::RenderContext& context, const CellVisibility* cells = nullptr);
    // Whether a sphere reaches into the frustum of a camera with this world matrix;
    // touching a plane counts as inside.
    bool isVisible(const glm::mat4& camera, const glm::vec3& centre, float radius);

    std::size_t size() const { return objects.size(); }

private:
    void buildPlanes(const glm::mat4& camera);
    bool reaches(const glm::vec3& centre, float radius) const;

    std::vector<engine::GameObject*> objects;
    ViewFrustum frustum;
    // Normals point into the frustum; w is the offset.
    std::array<glm::vec4, 6> planes{};
};

} // namespace Vexmor::screen
