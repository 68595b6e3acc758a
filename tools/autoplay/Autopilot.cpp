#include "autoplay/Autopilot.h"

#include "autoplay/Steering.h"
#include "engine/GameObject.h"
#include "gameobject/Door.h"
#include "gameobject/Player.h"
#include "gameobject/Sphere.h"
#include "gameobject/timemachine/TimeMachine.h"
#include "levelcheck/LevelCheck.h"
#include "levelloader/BlockAlignedObject.h"
#include "levelloader/DoorBlock.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelManager.h"
#include "screen/TimeSwitcher.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <glm/geometric.hpp>

#include <cmath>
#include <cstdio>

namespace Vexmor::autoplay {

namespace {

using levelloader::brightEra;
using levelloader::darkEra;

// The most the view turns in one frame, in pixels of mouse movement (20 degrees).
constexpr int turnLimit = 40;
// He walks only while the point is this nearly ahead, so he never walks a curve into a wall.
constexpr float walkCone = 30.0f;
// What counts as facing something he is about to use.
constexpr float useCone = 8.0f;
// The slowest a careful approach goes, and how its speed falls off near the point.
constexpr float creepSpeed = 0.6f;
constexpr float slowingPerUnit = 2.5f;
// Headway: a goal that comes no nearer by this much in this time calls for a way out.
constexpr float headway = 0.05f;
constexpr double stallSeconds = 2.0;
constexpr int escapesPerLeg = 4;
constexpr int replanLimit = 4;
// Standing: slower than this on the ground plane and barely moving up or down.
constexpr float stillSpeed = 0.15f;
// A door's leaf is this wide from its hinge, and sweeps a quarter circle that long.
constexpr float leafReach = 1.25f;
// Keep the body's middle this far from the sweep: its radius and a margin.
constexpr float sweepClearance = 0.4f;
// Nearer to a doorway than this and still nothing to use: back away and try again.
constexpr float tooClose = 0.35f;
// A ball's radius, and how far its middle stays from the player's as he walks past.
constexpr float ballRadius = 0.5f;
constexpr float ballClearance = 0.95f;
// How long to wait for a press to show, for a switch to run out, for the machine to end.
constexpr double pressSeconds = 0.3;
// Twice the two seconds a leaf takes to swing wide open.
constexpr double swingSeconds = 4.0;
constexpr double machineSeconds = 15.0;
constexpr double stepBackSeconds = 0.5;
constexpr int pressRetries = 3;

std::string point(const glm::vec3& at) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f|%.2f|%.2f", at.x, at.y, at.z);
    return text;
}

// A ball above or below him is no obstacle.
bool onHisFloor(engine::GameObject& ball, const glm::vec3& body) {
    return std::abs(ball.getWorldPosition().y - body.y) < cellSize / 2.0f;
}

glm::vec2 toward(const glm::vec2& from, const glm::vec2& to) {
    const glm::vec2 offset = to - from;
    const float length = glm::length(offset);
    return length > 0.0f ? offset / length : glm::vec2(0.0f);
}

} // namespace

Autopilot::Autopilot(screen::LevelManager& level, platform::ScriptedInput& input,
                     const levelcheck::LevelLayout& layout, const levelcheck::Route& route,
                     std::ostream& notes)
    : level(level), input(input), notes(notes), layout(layout), walker(layout),
      moveCount(route.steps.size()), course(planCourse(route, layout)), lastReached(route.start) {
    // Every door starts shut, so its leaf's place now shows where the doorway and the
    // hinge are.
    for (const int era : {darkEra, brightEra}) {
        for (const auto& object : level.getScene().getObjects(era == brightEra)) {
            if (dynamic_cast<gameobject::Sphere*>(object.get()) != nullptr) {
                balls[era == brightEra ? 1 : 0].push_back(object.get());
                continue;
            }
            auto* door = dynamic_cast<gameobject::Door*>(object.get());
            if (door == nullptr || door->getState() == gameobject::Door::Fallen) {
                continue;
            }
            const glm::mat4& placed = door->getWorldMatrix();
            const glm::vec3 hinge(placed * glm::vec4(-0.62f, 0.0f, 1.25f, 1.0f));
            leaves[era == brightEra ? 1 : 0][cellOf(glm::vec3(placed[3]))] =
                Leaf{door, flat(hinge)};
        }
    }
    last = look();
}

Autopilot::Sight Autopilot::look() const {
    Sight sight;
    gameobject::Player* player = level.getScene().getPlayer();
    const btVector3& origin = player->getBody()->getWorldTransform().getOrigin();
    const btVector3& velocity = player->getBody()->getLinearVelocity();
    sight.body = {origin.x(), origin.y(), origin.z()};
    sight.velocity = {velocity.x(), velocity.y(), velocity.z()};
    const glm::mat4& camera = player->getCameraMatrix();
    sight.forward = glm::vec2(-camera[2].x, -camera[2].z);
    if (glm::length(sight.forward) > 0.0f) {
        sight.forward = glm::normalize(sight.forward);
    }
    sight.cell = cellOfBody(sight.body);
    sight.era = level.isBright() ? brightEra : darkEra;
    sight.speed = glm::length(flat(sight.velocity));
    return sight;
}

void Autopilot::steer(double seconds) {
    input.releaseAll();
    ++frames;
    if (hasGivenUp() || legIndex >= course.size()) {
        return;
    }
    frameSeconds = seconds;
    const Sight sight = look();
    last = sight;
    phaseSeconds += seconds;
    if (escaping()) {
        return;
    }
    switch (course[legIndex].kind) {
    case Leg::Kind::Walk:
        walk(sight);
        break;
    case Leg::Kind::OpenDoor:
        openDoor(sight);
        break;
    case Leg::Kind::SwitchEra:
        switchEra(sight);
        break;
    case Leg::Kind::UseMachine:
        useMachine(sight);
        break;
    }
    if (hasGivenUp() || legIndex >= course.size() ||
        course[legIndex].kind == Leg::Kind::UseMachine) {
        return;
    }
    // A fall or a push can take him where the course does not go: once he stands still
    // somewhere the course never meant, he plans from there.
    const bool still = sight.speed < stillSpeed && std::abs(sight.velocity.y) < stillSpeed;
    const bool known =
        sight.cell == course[legIndex].arrival.cell || sight.cell == lastReached.cell;
    astraySeconds = still && !known ? astraySeconds + seconds : 0.0;
    if (astraySeconds > 1.0) {
        replan(sight, "the player ended up off the course");
    }
}

void Autopilot::walk(const Sight& sight) {
    const Leg& leg = course[legIndex];
    const float distance = headFor(leg.target, sight, false);
    const bool inCell = sight.cell == leg.arrival.cell;
    // A ball lying on the point: beside it is as good.
    const float tolerance =
        ballNear(leg.target, ballClearance) ? ballClearance + 0.3f : leg.tolerance;
    if (distance < tolerance && inCell) {
        legDone(sight);
        return;
    }
    // Above or below the cell counts as a cell's length still to go.
    makingHeadway(distance + (inCell ? 0.0f : cellSize));
}

void Autopilot::openDoor(const Sight& sight) {
    const Leg& leg = course[legIndex];
    const auto& eraLeaves = leaves[sight.era == brightEra ? 1 : 0];
    const auto found = eraLeaves.find(leg.door);
    if (found == eraLeaves.end()) {
        // A fallen door lies elsewhere and is walked over.
        const levelcheck::CellContent* cell = layout.at(leg.door);
        if (cell == nullptr || levelloader::DoorBlock::doorState(cell->doorKind, sight.era) !=
                                   gameobject::Door::Fallen) {
            giveUp("no door at " + levelcheck::cellName(leg.door));
            return;
        }
        if (phase == 0) {
            nextPhase(4);
        }
        lineUp(sight);
        return;
    }
    gameobject::Door& door = *found->second.door;
    const bool wideOpen = door.isOpen() && door.getAngle() >= 90.0f;
    if (door.getState() == gameobject::Door::Locked) {
        giveUp("the door at " + levelcheck::cellName(leg.door) + " is locked");
        return;
    }
    if (phase == 0) {
        // Open already, or fallen: only the line through the doorway is left to find.
        nextPhase(door.getState() == gameobject::Door::Fallen || wideOpen ? 4
                  : door.isOpen()                                         ? 3
                                                                          : 1);
    }
    switch (phase) {
    case 1: {
        // Up to the doorway, slowly, until the leaf is in reach and straight ahead.
        const float distance = headFor(flat(door.getCentre()), sight, true);
        if (facing() && level.isLookingAtInteractable()) {
            input.releaseAll();
            input.press('E');
            nextPhase(2);
        } else if (distance < tooClose) {
            giveUp("the door at " + levelcheck::cellName(leg.door) + " can't be reached to use");
        } else {
            makingHeadway(distance);
        }
        break;
    }
    case 2:
        if (door.isOpen()) {
            nextPhase(3);
        } else if (phaseSeconds > pressSeconds) {
            if (++retries > pressRetries) {
                giveUp("the door at " + levelcheck::cellName(leg.door) + " does not open");
            }
            nextPhase(1);
        }
        break;
    case 3: {
        // The leaf swings into the door's own cell: from there, step out of its sweep.
        if (leg.leafSwingsToward) {
            const glm::vec2 hinge = found->second.hinge;
            const glm::vec2 side = toward(hinge, leg.doorway);
            const glm::vec2 aside = hinge + side * (leafReach + sweepClearance) -
                                    leg.through * (leafReach + sweepClearance);
            if (glm::distance(flat(sight.body), hinge) < leafReach + sweepClearance) {
                headFor(aside, sight, true);
            }
        }
        if (wideOpen) {
            nextPhase(4);
        } else if (phaseSeconds > swingSeconds) {
            giveUp("the door at " + levelcheck::cellName(leg.door) + " does not swing open");
        }
        break;
    }
    case 4:
        lineUp(sight);
        break;
    default:
        break;
    }
}

void Autopilot::lineUp(const Sight& sight) {
    const Leg& leg = course[legIndex];
    const float distance = headFor(leg.target, sight, false);
    if (distance < leg.tolerance) {
        legDone(sight);
    } else {
        makingHeadway(distance);
    }
}

void Autopilot::switchEra(const Sight& sight) {
    const Leg& leg = course[legIndex];
    const screen::TimeSwitcher& switcher = *level.getTimeSwitcher();
    switch (phase) {
    case 0:
        // Stand still first: the other era's bodies appear where he stands.
        if (sight.speed < stillSpeed && std::abs(sight.velocity.y) < stillSpeed) {
            input.press('T');
            nextPhase(1);
        }
        break;
    case 1:
        if (switcher.isSwitching()) {
            // The last frame's update started it; this steer is the next frame's.
            notes << "[autoplay] The switch to the " << levelcheck::eraName(leg.arrival.era)
                  << " era starts in frame " << frames - 2 << std::endl;
            nextPhase(2);
        } else if (phaseSeconds > pressSeconds) {
            if (++retries > pressRetries) {
                giveUp("the era does not switch");
            }
            nextPhase(0);
        }
        break;
    case 2:
        if (!switcher.isSwitching()) {
            if (sight.era != leg.arrival.era) {
                giveUp("the era switch ended in the wrong era");
                return;
            }
            ++switches;
            nextPhase(3);
        }
        break;
    case 3:
        // Where his stair vanished he drops: wait until he is down.
        if (std::abs(sight.velocity.y) < stillSpeed && sight.cell == leg.arrival.cell) {
            legDone(sight);
        } else if (phaseSeconds > 3.0) {
            replan(sight, "the era switch left the player somewhere unexpected");
        }
        break;
    default:
        break;
    }
}

void Autopilot::useMachine(const Sight& sight) {
    gameobject::TimeMachine* goal = machine(sight.era);
    if (goal == nullptr) {
        giveUp("no time machine in the " + levelcheck::eraName(sight.era) + " era");
        return;
    }
    switch (phase) {
    case 0: {
        const float distance = headFor(flat(goal->getCentre()), sight, true);
        if (facing() && level.isLookingAtInteractable()) {
            input.releaseAll();
            input.press('E');
            nextPhase(1);
        } else if (distance < tooClose) {
            giveUp("the time machine can't be reached to use");
        } else {
            makingHeadway(distance);
        }
        break;
    }
    case 1:
        if (goal->isActivated()) {
            nextPhase(2);
        } else if (phaseSeconds > pressSeconds) {
            if (++retries > pressRetries) {
                giveUp("the time machine does not start");
            }
            nextPhase(0);
        }
        break;
    case 2:
        // Its sequence runs; the level asks for the next one at its end. A step back shows
        // more of the machine.
        if (phaseSeconds < stepBackSeconds) {
            input.press('S');
        }
        if (phaseSeconds > machineSeconds) {
            giveUp("the time machine ran but the level did not end");
        }
        break;
    default:
        break;
    }
}

float Autopilot::headFor(const glm::vec2& point, const Sight& sight, bool careful) {
    const float distance = glm::length(point - flat(sight.body));
    const glm::vec2 offset = aroundBalls(point, sight) - flat(sight.body);
    if (distance < 0.02f) {
        lastTurn = 0.0f;
        return distance;
    }
    const float turn = turnToward(sight.forward, offset);
    lastTurn = turn;
    input.moveCursor({mousePixels(turn, turnLimit), 0});
    const float allowed = careful ? std::max(creepSpeed, distance * slowingPerUnit) : 1e9f;
    if (std::abs(turn) < walkCone && sight.speed < allowed) {
        input.press('W');
    }
    return distance;
}

bool Autopilot::facing() const {
    return std::abs(lastTurn) < useCone;
}

bool Autopilot::makingHeadway(float distance) {
    if (distance < bestDistance - headway) {
        bestDistance = distance;
        stalledSeconds = 0.0;
        return true;
    }
    stalledSeconds += frameSeconds;
    if (stalledSeconds < stallSeconds) {
        return true;
    }
    if (escapes >= escapesPerLeg) {
        replan(last, "no headway toward the next point");
        return false;
    }
    escapeKind = escapes % 4;
    ++escapes;
    static constexpr const char* ways[] = {"backing off", "stepping back left",
                                           "stepping back right", "jumping forward"};
    notes << "[autoplay] No headway for " << stallSeconds << " s, " << ways[escapeKind] << "; "
          << whereabouts() << std::endl;
    escapeSeconds = 0.0;
    stalledSeconds = 0.0;
    bestDistance = 1e9f;
    return false;
}

bool Autopilot::escaping() {
    if (escapeSeconds < 0.0) {
        return false;
    }
    escapeSeconds += frameSeconds;
    // Back off, sidestep either way, or jump: whatever frees him from what holds him.
    static constexpr double lasting[] = {0.5, 0.5, 0.8, 0.6};
    if (escapeSeconds > lasting[escapeKind]) {
        escapeSeconds = -1.0;
        return false;
    }
    switch (escapeKind) {
    case 0:
        input.press('S');
        break;
    case 1:
        input.press('A');
        input.press('S');
        break;
    case 2:
        input.press('D');
        input.press('S');
        break;
    default:
        input.press('W');
        if (escapeSeconds <= frameSeconds) {
            input.press(platform::key::Space);
        }
        break;
    }
    return true;
}

void Autopilot::nextPhase(int next) {
    phase = next;
    phaseSeconds = 0.0;
    bestDistance = 1e9f;
    stalledSeconds = 0.0;
}

void Autopilot::legDone(const Sight& sight) {
    lastReached = {sight.cell, sight.era};
    lastMove = course[legIndex].move;
    reachedAny = true;
    ++legIndex;
    retries = 0;
    escapes = 0;
    astraySeconds = 0.0;
    nextPhase(0);
}

void Autopilot::replan(const Sight& sight, const std::string& why) {
    if (++replans > replanLimit) {
        giveUp(why);
        return;
    }
    notes << "[autoplay] Planning again: " << why << "; " << whereabouts() << std::endl;
    const levelcheck::Place here{sight.cell, sight.era};
    const levelcheck::Exploration found = levelcheck::explore(walker, here);
    if (!found.route) {
        giveUp(why + ", and the time machine can't be reached from there");
        return;
    }
    course = planCourse(*found.route, layout);
    moveCount = found.route->steps.size();
    legIndex = 0;
    retries = 0;
    escapes = 0;
    astraySeconds = 0.0;
    escapeSeconds = -1.0;
    nextPhase(0);
}

void Autopilot::giveUp(const std::string& why) {
    if (failure.empty()) {
        failure = why;
    }
    input.releaseAll();
}

gameobject::TimeMachine* Autopilot::machine(int era) const {
    for (const auto& object : level.getScene().getObjects(era == brightEra)) {
        if (auto* found = dynamic_cast<gameobject::TimeMachine*>(object.get())) {
            return found;
        }
    }
    return nullptr;
}

const engine::GameObject* Autopilot::ballNear(const glm::vec2& point, float within) const {
    const engine::GameObject* nearest = nullptr;
    float best = within;
    for (engine::GameObject* ball : balls[last.era == brightEra ? 1 : 0]) {
        const float distance = glm::distance(flat(ball->getWorldPosition()), point);
        if (distance < best && onHisFloor(*ball, last.body)) {
            best = distance;
            nearest = ball;
        }
    }
    return nearest;
}

glm::vec2 Autopilot::aroundBalls(const glm::vec2& point, const Sight& sight) const {
    const glm::vec2 from = flat(sight.body);
    const glm::vec2 way = point - from;
    const float length = glm::length(way);
    if (length < 0.01f) {
        return point;
    }
    const glm::vec2 along = way / length;
    for (engine::GameObject* ball : balls[sight.era == brightEra ? 1 : 0]) {
        if (!onHisFloor(*ball, sight.body)) {
            continue;
        }
        const glm::vec2 centre = flat(ball->getWorldPosition());
        const float ahead = glm::dot(centre - from, along);
        const glm::vec2 beside = centre - (from + along * ahead);
        // Only a ball on the way there, not one behind him or beyond the point.
        if (ahead <= 0.0f || ahead > length + ballRadius || glm::length(beside) >= ballClearance) {
            continue;
        }
        // Past it on the side he is already on, unless a wall stands there.
        glm::vec2 side(-along.y, along.x);
        if (glm::dot(beside, side) > 0.0f) {
            side = -side;
        }
        for (const glm::vec2& pass :
             {centre + side * ballClearance, centre - side * ballClearance}) {
            const glm::vec3 there(pass.x, sight.body.y, pass.y);
            if (!layout.isRock(cellOfBody(there)) && layout.contains(cellOfBody(there))) {
                return pass;
            }
        }
    }
    return point;
}

std::string Autopilot::whereabouts() const {
    std::string text = reachedAny ? "last reached " + levelcheck::cellName(lastReached.cell) +
                                        " (move " + std::to_string(lastMove + 1) + " of " +
                                        std::to_string(moveCount) + ")"
                                  : "no point of the course reached";
    return text + ", standing at " + point(last.body) + " in cell " +
           levelcheck::cellName(last.cell) + ", " + levelcheck::eraName(last.era) + " era";
}

} // namespace Vexmor::autoplay
