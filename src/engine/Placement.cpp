#include "engine/Placement.h"

#include "engine/Degrees.h"

#include <glm/gtc/matrix_transform.hpp>

namespace Vexmor::engine {

void Placement::updateMatrix() {
    const glm::vec3 xAxis(1.0f, 0.0f, 0.0f);
    const glm::vec3 yAxis(0.0f, 1.0f, 0.0f);
    const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);
    const glm::mat4 identity(1.0f);

    glm::mat4 m = glm::translate(identity, position);
    m = glm::rotate(m, radians(rotation.z), zAxis);
    m = glm::rotate(m, radians(rotation.y), yAxis);
    m = glm::rotate(m, radians(rotation.x), xAxis);
    matrix = glm::scale(m, scale);

    glm::mat4 inverse = glm::scale(identity, 1.0f / scale);
    inverse = glm::rotate(inverse, radians(-rotation.x), xAxis);
    inverse = glm::rotate(inverse, radians(-rotation.y), yAxis);
    inverse = glm::rotate(inverse, radians(-rotation.z), zAxis);
    inverseMatrix = glm::translate(inverse, -position);
    dirty = false;
}

} // namespace Vexmor::engine
