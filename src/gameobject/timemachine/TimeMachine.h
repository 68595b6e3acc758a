#pragma once

#include "engine/GameObject.h"
#include "gameobject/Interactable.h"
#include "gameobject/LevelEnder.h"

#include <glm/mat4x4.hpp>

#include <memory>
#include <vector>

namespace Vexmor::screen {
class LevelEndManager;
}

namespace Vexmor::gameobject::timemachine {
class CapsuleLeft;
class CapsuleRight;
class LockBig;
class LockSmall;
class Rotator;
} // namespace Vexmor::gameobject::timemachine

namespace Vexmor::gameobject {

// The goal of a level. Used once, it lights up, opens its capsule, spins up its rotors
// and after about 9.5 seconds asks for the next level; used again meanwhile, it asks at
// once. It draws and updates its own parts, which are in no list of the level.
class TimeMachine : public engine::GameObject, public Interactable, public LevelEnder {
public:
    explicit TimeMachine(const glm::mat4& transform);

    void setLevelEndManager(screen::LevelEndManager* manager) override;
    // Within 2 units of the point one unit in front of the machine's origin.
    bool isInRange(const glm::vec3& point) override;
    // Near enough, but beside or behind it (see MachineReach).
    bool wantsOtherSide(const glm::vec3& eye, const glm::vec3& probe) override;
    void interact() override;
    // The middle of the capsule, where the chair stands.
    glm::vec3 getCentre() override;
    void draw(engine::RenderContext& context) override;
    void onUpdate(double seconds) override;

    bool isActivated() const { return activated; }
    // In creation order: the capsule halves, then per arm angle the left arm, its small
    // rotor, the right arm and its small rotor, then the big locks right and left, the
    // small locks up and down, and the chair.
    const std::vector<std::unique_ptr<engine::GameObject>>& getParts() const { return parts; }

private:
    template <typename Part> Part* addPart(std::unique_ptr<Part> part, GameObject* parent);
    // What culling needs around the machine to hold every part in every pose.
    float farthestReach();
    void runSequence(double seconds);
    void turnLocks(double sequenceSeconds);
    // Each capsule half this far out to its side.
    void slideCapsule(double slide);
    // The arms and the small rotors this far out along their own y axes.
    void extendRotors(double arm, double smallRotor);
    void requestNextLevel();

    screen::LevelEndManager* levelEndManager = nullptr;
    bool activated = false;
    // Counts from one second before the sequence proper, so the first second is still.
    double sequenceTime = -1.0;
    // 0 nothing done yet, 1 locks at their end angles, 3 rotors released.
    int stage = 0;
    timemachine::CapsuleLeft* capsuleLeft;
    timemachine::CapsuleRight* capsuleRight;
    timemachine::LockBig* lockBigRight;
    timemachine::LockBig* lockBigLeft;
    timemachine::LockSmall* lockSmallUp;
    timemachine::LockSmall* lockSmallDown;
    std::vector<std::unique_ptr<engine::GameObject>> parts;
    std::vector<timemachine::Rotator*> rotorArms;
    std::vector<timemachine::Rotator*> smallRotors;
};

} // namespace Vexmor::gameobject
