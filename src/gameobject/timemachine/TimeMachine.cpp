#include "gameobject/timemachine/TimeMachine.h"

#include "engine/AnimationStep.h"
#include "engine/Degrees.h"
#include "gameobject/timemachine/CapsuleLeft.h"
#include "gameobject/timemachine/CapsuleRight.h"
#include "gameobject/timemachine/LockBig.h"
#include "gameobject/timemachine/LockSmall.h"
#include "gameobject/timemachine/MachineReach.h"
#include "gameobject/timemachine/RotatorLeft.h"
#include "gameobject/timemachine/RotatorRight.h"
#include "gameobject/timemachine/RotatorRotatorLeft.h"
#include "gameobject/timemachine/RotatorRotatorRight.h"
#include "gameobject/timemachine/TimeChair.h"
#include "screen/LevelChanger.h"
#include "screen/LevelEndManager.h"
#include "sound/SoundLibrary.h"

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/matrix.hpp>

#include <algorithm>
#include <iostream>

namespace Vexmor::gameobject {

using namespace timemachine;

namespace {

const glm::mat4 identity(1.0f);
const glm::vec3 xAxis(1.0f, 0.0f, 0.0f);
const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

// Sequence times in seconds: the locks turn until locksOpen, the capsule slides until
// capsuleOpen, the rotors extend until rotorsOut and are let go after spinUp.
constexpr double locksOpen = 1.5;
constexpr double capsuleOpen = 2.5;
constexpr double rotorsOut = 3.0;
constexpr double spinUp = 3.5;
constexpr double levelOver = 8.5;
// How far each capsule half slides per second, and how far the arms and the small rotors
// stand out once they are let go.
constexpr double capsuleSlide = 0.42;
constexpr double armsOut = 0.2;
constexpr double smallRotorsOut = 0.06;
// The machine hums with a faint light of its own, so it can be found across a dark room;
// it shows the machine, it lights nothing around it.
constexpr float glow = 1.0f;

glm::mat4 translation(double x, double y, double z) {
    return glm::translate(
        identity, glm::vec3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)));
}

glm::mat4 rotation(double degrees, const glm::vec3& axis) {
    return glm::rotate(identity, engine::radians(static_cast<float>(degrees)), axis);
}

} // namespace

template <typename Part>
Part* TimeMachine::addPart(std::unique_ptr<Part> part, GameObject* parent) {
    Part* added = part.get();
    added->setParent(parent);
    parts.push_back(std::move(part));
    return added;
}

TimeMachine::TimeMachine(const glm::mat4& transform) : GameObject(transform) {
    capsuleLeft = addPart(std::make_unique<CapsuleLeft>(identity), this);
    capsuleRight = addPart(std::make_unique<CapsuleRight>(identity), this);
    for (int i = 0; i < 4; ++i) {
        const glm::mat4 around = rotation(90.0 * i, xAxis);
        auto armLeft = std::make_unique<RotatorLeft>(translation(-0.34521, 0.0, 0.0) * around);
        armLeft->setParent(capsuleLeft);
        auto armRight = std::make_unique<RotatorRight>(translation(0.34521, 0.0, 0.0) * around);
        armRight->setParent(capsuleRight);
        // Neighbouring arms carry counter-rotating rotors.
        const bool reversed = i % 2 == 0;
        auto rotorLeft = std::make_unique<RotatorRotatorLeft>(identity, reversed);
        rotorLeft->setParent(armLeft.get());
        auto rotorRight = std::make_unique<RotatorRotatorRight>(identity, reversed);
        rotorRight->setParent(armRight.get());
        rotorArms.insert(rotorArms.end(), {armLeft.get(), armRight.get()});
        smallRotors.insert(smallRotors.end(), {rotorLeft.get(), rotorRight.get()});
        parts.push_back(std::move(armLeft));
        parts.push_back(std::move(rotorLeft));
        parts.push_back(std::move(armRight));
        parts.push_back(std::move(rotorRight));
    }
    const glm::mat4 bigLockSeat = translation(0.0, 0.0, 0.97835);
    const glm::mat4 smallLockSeat = translation(0.0, 0.0, 1.00421);
    lockBigRight = addPart(std::make_unique<LockBig>(bigLockSeat), capsuleRight);
    lockBigLeft =
        addPart(std::make_unique<LockBig>(bigLockSeat * rotation(180.0, zAxis)), capsuleLeft);
    lockSmallUp = addPart(std::make_unique<LockSmall>(smallLockSeat, true), capsuleLeft);
    lockSmallDown = addPart(
        std::make_unique<LockSmall>(smallLockSeat * rotation(180.0, zAxis), false), capsuleRight);
    addPart(std::make_unique<TimeChair>(identity), this);
    for (const auto& part : parts) {
        part->setEmission(glow);
    }
    cullingRadius = farthestReach();
}

// The parts reach farthest with the capsule open and the rotors out. A spin turns a part
// about its own origin, so no angle takes any part's origin further out, and each part's
// model lies within its radius of that origin.
float TimeMachine::farthestReach() {
    slideCapsule(capsuleSlide * (capsuleOpen - locksOpen));
    extendRotors(armsOut, smallRotorsOut);
    for (const auto& part : parts) {
        part->update(0.0);
    }
    const glm::mat4 toMachine = glm::inverse(getWorldMatrix());
    float reach = 0.0f;
    for (const auto& part : parts) {
        const glm::vec3 origin(toMachine * part->getWorldMatrix()[3]);
        reach = std::max(reach, glm::length(origin) + part->getCullingRadius());
    }
    slideCapsule(0.0);
    extendRotors(0.0, 0.0);
    for (const auto& part : parts) {
        part->update(0.0);
    }
    return reach;
}

void TimeMachine::setLevelEndManager(screen::LevelEndManager* manager) {
    levelEndManager = manager;
}

bool TimeMachine::isInRange(const glm::vec3& point) {
    return MachineReach(getWorldMatrix()).reaches(point);
}

bool TimeMachine::wantsOtherSide(const glm::vec3& eye, const glm::vec3& probe) {
    return MachineReach(getWorldMatrix()).wantsOtherSide(eye, probe);
}

glm::vec3 TimeMachine::getCentre() {
    return glm::vec3(getWorldMatrix()[3]);
}

void TimeMachine::interact() {
    std::cout << "Player interacted with Timemachine!" << std::endl;
    if (levelEndManager != nullptr) {
        levelEndManager->levelEnding = true;
    }
    if (activated && levelEndManager != nullptr) {
        requestNextLevel();
    } else {
        for (Rotator* rotor : smallRotors) {
            rotor->switchOn();
        }
        for (Rotator* arm : rotorArms) {
            arm->switchOn();
        }
        capsuleLeft->setTexture("img\\capsule_on.png");
        capsuleRight->setTexture("img\\capsule_on.png");
        for (LockSmall* lock : {lockSmallDown, lockSmallUp}) {
            lock->setTexture(lock->isUp() ? "img\\lock_up_on.png" : "img\\lock_down_on.png");
        }
        sound::SoundLibrary::getInstance().engine->play2D("sound\\buzzing_woosh.wav", false, false,
                                                          false);
    }
    activated = true;
}

void TimeMachine::draw(engine::RenderContext& context) {
    for (const auto& part : parts) {
        part->render(context);
    }
}

void TimeMachine::onUpdate(double frameSeconds) {
    const double seconds = engine::animationStep(frameSeconds);
    if (activated && levelEndManager != nullptr) {
        runSequence(seconds);
    }
    for (const auto& part : parts) {
        part->update(seconds);
    }
}

// What a step sets stays in force after its window: a frame that jumps past a window's
// end leaves the parts where the last frame inside put them.
void TimeMachine::runSequence(double seconds) {
    sequenceTime += seconds;
    const double t = sequenceTime;
    if (t > levelOver) {
        activated = false;
        sequenceTime = -1.0;
        requestNextLevel();
        return;
    }
    if (t >= 0.0 && t <= locksOpen) {
        turnLocks(t);
    } else if (t > locksOpen && t <= capsuleOpen) {
        if (stage == 0) {
            stage = 1;
            turnLocks(locksOpen);
        }
        slideCapsule(capsuleSlide * (t - locksOpen));
    }
    if (t > locksOpen && t <= rotorsOut) {
        extendRotors(0.1333333 * (t - locksOpen), 0.04 * (t - locksOpen));
    }
    if (t > spinUp && stage < 2) {
        stage = 3;
        extendRotors(armsOut, smallRotorsOut);
        for (Rotator* arm : rotorArms) {
            arm->startSpinning();
        }
        for (Rotator* rotor : smallRotors) {
            rotor->startSpinning();
        }
    }
}

void TimeMachine::slideCapsule(double slide) {
    capsuleLeft->setAnimation(translation(-slide, 0.0, 0.0));
    capsuleRight->setAnimation(translation(slide, 0.0, 0.0));
}

void TimeMachine::extendRotors(double arm, double smallRotor) {
    for (Rotator* rotorArm : rotorArms) {
        rotorArm->setAnimation(translation(0.0, arm, 0.0));
    }
    for (Rotator* rotor : smallRotors) {
        rotor->setAnimation(translation(0.0, smallRotor, 0.0));
    }
}

void TimeMachine::turnLocks(double sequenceSeconds) {
    const glm::mat4 small = rotation(300.0 * sequenceSeconds, zAxis);
    const glm::mat4 big = rotation(-540.0 * sequenceSeconds, zAxis);
    lockSmallUp->setAnimation(small);
    lockSmallDown->setAnimation(small);
    lockBigLeft->setAnimation(big);
    lockBigRight->setAnimation(big);
}

void TimeMachine::requestNextLevel() {
    if (levelEndManager->levelChanger != nullptr) {
        levelEndManager->levelChanger->nextLevel();
    }
}

} // namespace Vexmor::gameobject
