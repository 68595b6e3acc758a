#pragma once

#include <glm/vec3.hpp>

namespace Vexmor::screen {

// Picks, among points offered one after another, the one the eye looks at most directly,
// and only points within the aiming cone: a bit narrower than the view's half-width, so
// what is offered is on screen.
class AimChoice {
public:
    static constexpr float coneDegrees = 50.0f;

    AimChoice(const glm::vec3& eye, const glm::vec3& forward);

    // True when `centre` lies within the cone and nearer the view direction than every
    // point offered before it; it is then the choice.
    bool offer(const glm::vec3& centre);

    // The full 3D angle between the view direction and the line from the eye to `point`.
    static float degreesOffView(const glm::vec3& eye, const glm::vec3& forward,
                                const glm::vec3& point);

private:
    glm::vec3 eye;
    glm::vec3 forward;
    // The choice's angle off the view direction; beyond the cone while there is none.
    float chosen;
};

} // namespace Vexmor::screen
