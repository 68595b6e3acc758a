#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

namespace Vexmor::gameobject::timemachine {

// Where the time machine is used from: the player's probe point (one unit in front of his
// eye) must come within two units of the point one unit in front of the machine, on its
// use side (its +z). Close up that holds all round; a step further off only in front.
class MachineReach {
public:
    static constexpr float reach = 2.0f;

    // The machine's world matrix.
    explicit MachineReach(const glm::mat4& machine);

    bool reaches(const glm::vec3& probe) const;
    // Out of reach, but only because he stands on another side: the probe point would
    // reach the point one unit from the machine toward the eye, across the floor.
    bool wantsOtherSide(const glm::vec3& eye, const glm::vec3& probe) const;

private:
    static bool near(const glm::vec3& probe, const glm::vec3& point);

    glm::vec3 origin;
    glm::vec3 front;
};

} // namespace Vexmor::gameobject::timemachine
