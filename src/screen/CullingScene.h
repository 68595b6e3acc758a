#pragma once

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
// of the context's "cameraTransform" (45 degrees high, 4:3, from 0.1 to 30 units).
class CullingScene {
public:
    static constexpr float nearDistance = 0.1f;
    static constexpr float farDistance = 30.0f;
    static constexpr float halfAngleDegrees = 22.5f;
    static constexpr float aspect = 1.3333334f;

    CullingScene();

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
    float nearHeight;
    float farHeight;
    float nearWidth;
    float farWidth;
    // Normals point into the frustum; w is the offset.
    std::array<glm::vec4, 6> planes{};
};

} // namespace Vexmor::screen
