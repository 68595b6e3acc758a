#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <optional>

namespace Vexmor::engine {

// Position, rotation (degrees: pitch about x, yaw about y, roll about z) and scale, with
// the model matrix and its inverse built from them on demand.
class Placement {
public:
    glm::vec3 position{0.0f, 0.0f, 0.0f};
    glm::vec3 rotation{0.0f, 0.0f, 0.0f};
    glm::vec3 scale{1.0f, 1.0f, 1.0f};
    // Whoever changes the three values above sets this.
    bool dirty = true;
    // Empty until first built.
    std::optional<glm::mat4> matrix;
    std::optional<glm::mat4> inverseMatrix;

    // Rebuilds both matrices: translate x roll x yaw x pitch x scale, and its inverse.
    void updateMatrix();
};

} // namespace Vexmor::engine
