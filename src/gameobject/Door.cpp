#include "gameobject/Door.h"

#include "engine/AnimationStep.h"
#include "engine/Degrees.h"
#include "gameobject/ObjectModel.h"
#include "physics/CollisionShapeLibrary.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btMotionState.h>
#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace Vexmor::gameobject {

namespace {

constexpr double swingDegreesPerSecond = 45.0;
constexpr double wideOpen = 90.0;
constexpr double rattleSeconds = 0.4;
constexpr double rattleDegrees = 3.0;
constexpr double pi = 3.14159265358979;

// The box sits this far in front of the door's origin, where the doorway is.
const glm::vec3 leafCentre(0.0f, 0.0f, 1.25f);

// Halfway up the drawn leaf, from the floor to its top edge, in the doorway.
const glm::vec4 leafMiddle(0.0f, -0.275f, 1.25f, 1.0f);
// From there to the leaf's side edge and to its top edge.
const glm::vec4 leafHalfWidth(0.6f, 0.0f, 0.0f, 0.0f);
const glm::vec4 leafHalfHeight(0.0f, 0.975f, 0.0f, 0.0f);
// An eye this near the leaf's middle plane, and in front of it give or take the player's
// width, is a player touching the leaf or all but: his body is 0.25 round the eye, the
// leaf 0.1 thick. Nothing fits between, and no wall lies that near.
constexpr float againstDepth = 0.5f;
constexpr float againstMargin = 0.25f;

// The leaf turns about its hinge edge, the vertical line through (-0.62, y, 1.25).
glm::mat4 hinge(float angle) {
    const glm::vec3 edge(-0.62f, 0.0f, 1.25f);
    return glm::translate(glm::mat4(1.0f), edge) *
           glm::rotate(glm::mat4(1.0f), engine::radians(angle), glm::vec3(0.0f, 1.0f, 0.0f)) *
           glm::translate(glm::mat4(1.0f), -edge);
}

btTransform toBullet(const glm::mat4& matrix) {
    btTransform transform;
    transform.setFromOpenGLMatrix(glm::value_ptr(matrix));
    return transform;
}

// The door hangs at the middle of its frame, which stands square to its cell's z axis.
physics::Doorway doorwayAt(const glm::mat4& transform) {
    const glm::vec4 middle = transform * glm::vec4(0.0f, 0.0f, physics::Doorway::frameOffset, 1.0f);
    const glm::vec2 through(transform[2].x, transform[2].z);
    return {{middle.x, middle.z}, glm::normalize(through)};
}

} // namespace

Door::Door(const glm::mat4& transform, int /*era*/, int state)
    : GameObject(transform), closedTransform(transform), doorway(doorwayAt(transform)),
      state(state) {
    attachModel(levelModel("models\\door.obj"));
    if (state != Fallen) {
        // The box exactly fills the frame's 1.2 x 1.95 doorway. Swung open, a leaf lines
        // one side of the doorway as a jamb does, so it leads into the doorway alike.
        ownedCollisionBody = std::make_unique<physics::OwnedRigidBody>(
            0.0f, physics::CollisionShapeLibrary::getInstance().getBox(1.2f, 1.95f, 0.1f),
            toBullet(closedTransform * glm::translate(glm::mat4(1.0f), leafCentre)),
            state == Normal ? std::make_unique<physics::BodyTag>(
                                  physics::BodyTag{physics::BodyTag::doorway, &doorway})
                            : nullptr);
        collisionBody = ownedCollisionBody->get();
        // Kinematic: the world gives a swinging leaf the speed of its swing, so it pushes
        // the player and the ball aside instead of jumping into them. A locked leaf's box
        // never moves.
        if (state == Normal) {
            collisionBody->setCollisionFlags(collisionBody->getCollisionFlags() |
                                             btCollisionObject::CF_KINEMATIC_OBJECT);
        }
    } else {
        closedTransform =
            transform * glm::translate(glm::mat4(1.0f), glm::vec3(-0.2f, -2.4f, -0.3f)) *
            glm::rotate(glm::mat4(1.0f), engine::radians(23.0f), glm::vec3(0.0f, 1.0f, 0.0f)) *
            glm::rotate(glm::mat4(1.0f), engine::radians(-90.0f), glm::vec3(1.0f, 0.0f, 0.0f));
        setTransform(closedTransform);
        // Culling looks for the door where it lies, not where it stood.
        createBoundingBody();
    }
    texture = "img\\door_texture.png";
}

void Door::onUpdate(double frameSeconds) {
    const double seconds = engine::animationStep(frameSeconds);
    if (state == Locked) {
        rattle(seconds);
        return;
    }
    if (state != Normal) {
        return;
    }
    const float before = angle;
    if (open && angle < wideOpen) {
        angle = static_cast<float>(std::min(wideOpen, angle + seconds * swingDegreesPerSecond));
    } else if (!open && angle > 0.0f) {
        angle = static_cast<float>(std::max(0.0, angle - seconds * swingDegreesPerSecond));
    }
    const glm::mat4 leaf = closedTransform * hinge(angle);
    setTransform(leaf);
    const btTransform box = toBullet(leaf * glm::translate(glm::mat4(1.0f), leafCentre));
    if (angle != before) {
        // The world takes the next place from the motion state and the speed from the way
        // there; a swinging leaf never sleeps, or it would stop where it is.
        collisionBody->getMotionState()->setWorldTransform(box);
        collisionBody->forceActivationState(DISABLE_DEACTIVATION);
    } else if (collisionBody->getActivationState() != ISLAND_SLEEPING) {
        // At rest the leaf stands exactly where it stopped and keeps nothing it touches
        // awake.
        collisionBody->setCenterOfMassTransform(box);
        collisionBody->getMotionState()->setWorldTransform(box);
        collisionBody->setLinearVelocity(btVector3(0.0f, 0.0f, 0.0f));
        collisionBody->setAngularVelocity(btVector3(0.0f, 0.0f, 0.0f));
        collisionBody->forceActivationState(ISLAND_SLEEPING);
    }
}

void Door::rattle(double seconds) {
    if (rattleTime < 0.0) {
        return;
    }
    rattleTime += seconds;
    if (rattleTime >= rattleSeconds) {
        rattleTime = -1.0;
        angle = 0.0f;
        setTransform(closedTransform);
        return;
    }
    // The box stays shut: the leaf moves too little to let anyone through.
    angle = static_cast<float>(rattleDegrees *
                               std::abs(std::sin(2.0 * pi * rattleTime / rattleSeconds)));
    setTransform(closedTransform * hinge(angle));
}

// A fallen door is walked over, not used: it offers nothing to the use key.
bool Door::isInRange(const glm::vec3& point) {
    return state != Fallen && containsPoint(point);
}

bool Door::isAgainst(const glm::vec3& eye) {
    if (state == Fallen) {
        return false;
    }
    const glm::vec3 local =
        glm::vec3(glm::inverse(getWorldMatrix()) * glm::vec4(eye, 1.0f)) - glm::vec3(leafMiddle);
    return std::abs(local.z) <= againstDepth &&
           std::abs(local.x) <= leafHalfWidth.x + againstMargin &&
           std::abs(local.y) <= leafHalfHeight.y;
}

void Door::interact() {
    if (state == Fallen) {
        return;
    }
    std::cout << "Player interacted with door!" << std::endl;
    open = !open;
    if (state == Locked) {
        rattleTime = 0.0;
    }
}

glm::vec3 Door::getCentre() {
    return glm::vec3(getWorldMatrix() * leafMiddle);
}

AimArea Door::getAimArea() {
    const glm::mat4& world = getWorldMatrix();
    return {glm::vec3(world * leafMiddle), glm::vec3(world * leafHalfWidth),
            glm::vec3(world * leafHalfHeight)};
}

std::unique_ptr<physics::OwnedRigidBody> Door::takeCollisionBody() {
    return std::move(ownedCollisionBody);
}

} // namespace Vexmor::gameobject
