#pragma once

#include "gameobject/Interactable.h"
#include "screen/ViewFrustum.h"

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

namespace Vexmor::screen {

// Picks, among areas offered one after another, the one the eye looks at most directly.
// An area counts only when the line of sight passes through it or its centre lies within
// the aiming cone: the ellipse that fits the view, so whatever is offered shows on screen.
class AimChoice {
public:
    // The camera's world matrix (it looks along its -z) and the view it sees through.
    AimChoice(const glm::mat4& camera, const ViewFrustum& view);

    // True when `area` is aimed at, more directly than every area offered before it or as
    // directly and nearer; it is then the choice.
    bool offer(const gameobject::AimArea& area);

    // The full 3D angle between the view direction and the line from the eye to `point`.
    static float degreesOffView(const glm::vec3& eye, const glm::vec3& forward,
                                const glm::vec3& point);

private:
    bool insideCone(const glm::vec3& point) const;
    // How far along the line of sight it meets the area; negative when it misses.
    float sightThrough(const gameobject::AimArea& area) const;

    glm::vec3 eye;
    glm::vec3 right;
    glm::vec3 up;
    glm::vec3 forward;
    float halfWidth;
    float halfHeight;
    // The choice's angle off the view direction and its distance; beyond anything while
    // there is none.
    float chosenDegrees = 360.0f;
    float chosenDistance = 0.0f;
};

} // namespace Vexmor::screen
