#include "gameobject/timemachine/MachineReach.h"

#include <glm/geometric.hpp>

namespace Vexmor::gameobject::timemachine {

MachineReach::MachineReach(const glm::mat4& machine)
    : origin(machine[3]), front(machine * glm::vec4(0.0f, 0.0f, 1.0f, 1.0f)) {}

bool MachineReach::near(const glm::vec3& probe, const glm::vec3& point) {
    const glm::vec3 offset = probe - point;
    return glm::dot(offset, offset) <= reach * reach;
}

bool MachineReach::reaches(const glm::vec3& probe) const {
    return near(probe, front);
}

bool MachineReach::wantsOtherSide(const glm::vec3& eye, const glm::vec3& probe) const {
    const glm::vec3 across(eye.x - origin.x, 0.0f, eye.z - origin.z);
    const float length = glm::length(across);
    if (length <= 0.0f || reaches(probe)) {
        return false;
    }
    return near(probe, origin + across / length * glm::length(front - origin));
}

} // namespace Vexmor::gameobject::timemachine
