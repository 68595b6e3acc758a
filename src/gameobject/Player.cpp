#include "gameobject/Player.h"

#include "gameobject/WallSteering.h"
#include "physics/CollisionShapeLibrary.h"
#include "platform/ControlSettings.h"
#include "platform/Controls.h"

#include <BulletCollision/CollisionShapes/btCapsuleShape.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <LinearMath/btDefaultMotionState.h>

#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace Vexmor::gameobject {

namespace {

float wrapDegrees(float angle) {
    while (angle > 360.0f) {
        angle -= 360.0f;
    }
    while (angle < 0.0f) {
        angle += 360.0f;
    }
    return angle;
}

} // namespace

Player::Player(const glm::vec3& start, platform::Input& input) : input(input) {
    const glm::vec3 centre = start * 2.5f + glm::vec3(1.25f);
    body = std::make_unique<physics::OwnedRigidBody>(
        1.0f, physics::CollisionShapeLibrary::getInstance().getCapsule(radius, 0.75f),
        btTransform(btQuaternion::getIdentity(), btVector3(centre.x, centre.y, centre.z)),
        std::make_unique<physics::BodyTag>(physics::BodyTag{physics::BodyTag::player, this}));
    body->get()->setFriction(10.0f);
    // The capsule never tips over or turns.
    body->get()->setAngularFactor(btVector3(0.0f, 0.0f, 0.0f));
    followBody();
}

Player::~Player() = default;

btRigidBody* Player::getBody() const {
    return body->get();
}

void Player::turnView(float degrees) {
    camera.rotation.y = wrapDegrees(camera.rotation.y + degrees);
    camera.dirty = true;
}

const glm::mat4& Player::getCameraMatrix() {
    if (camera.dirty) {
        camera.updateMatrix();
    }
    return *camera.matrix;
}

void Player::update(double seconds) {
    const platform::PlayActions actions = platform::playActions(input);
    const glm::vec2 turn = platform::lookDegrees(input, seconds, platform::controlSettings());

    const glm::vec4 along =
        getCameraMatrix() * glm::vec4(actions.move.x, 0.0f, -actions.move.y, 0.0f);
    glm::vec2 direction(along.x, along.z);
    const float length = std::sqrt(direction.x * direction.x + direction.y * direction.y);
    if (length > 0.0f) {
        direction /= length;
    }
    // The keys push fully, also on a diagonal; the stick by how far it leans.
    const float share = std::min(1.0f, glm::length(actions.move));

    push = glm::vec3(direction.x, 0.0f, direction.y) * (impulsePerSecond * share);
    if (actions.run) {
        push *= 1.5f;
    }
    if (jump.pressed(actions.jump) && jumpStage == 0) {
        jumpPending = true;
    }

    if (turn.x != 0.0f) {
        camera.rotation.y = wrapDegrees(camera.rotation.y + turn.x);
    }
    if (turn.y != 0.0f) {
        camera.rotation.x = wrapDegrees(camera.rotation.x + turn.y);
    }
    // Never straight up or down.
    float& pitch = camera.rotation.x;
    if (pitch >= 85.0f && pitch < 180.0f) {
        pitch = 84.9f;
    } else if (pitch >= 180.0f && pitch <= 275.0f) {
        pitch = 274.9f;
    }
    // The turn shows in this frame's probe and picture.
    camera.dirty = true;
}

void Player::followBody() {
    btTransform placed;
    body->getMotionState()->getWorldTransform(placed);
    const btVector3& origin = placed.getOrigin();
    camera.position = {origin.x(), origin.y() + 0.5f, origin.z()};
    camera.dirty = true;
}

void Player::tick(float seconds, const std::vector<physics::WallContact>& walls) {
    const btVector3& at = body->get()->getWorldTransform().getOrigin();
    const glm::vec2 flat =
        steerPush(glm::vec2(push.x, push.z) * seconds, glm::vec2(at.x(), at.z()), radius, walls);
    glm::vec3 impulse(flat.x, 0.0f, flat.y);
    // One press lifts in two consecutive sub-steps.
    if (jumpPending) {
        impulse.y = jumpImpulse;
        jumpStage = 1;
        jumpPending = false;
    } else if (jumpStage == 1) {
        impulse.y = jumpImpulse;
        jumpStage = 2;
    } else if (jumpStage >= 2) {
        jumpStage = 0;
    }
    applyMovement(impulse.x, impulse.y, impulse.z);
}

void Player::applyMovement(float x, float y, float z) {
    btRigidBody* rigid = body->get();
    if (x * x + y * y + z * z == 0.0f) {
        rigid->setFriction(standingFriction);
        return;
    }
    rigid->activate();
    rigid->setFriction(movingFriction);
    if (!onGround) {
        return;
    }
    const btVector3 velocity = rigid->getLinearVelocity();
    if (y > 0.0f) {
        rigid->applyCentralImpulse(btVector3(0.0f, y, 0.0f));
    }
    if (std::sqrt(velocity.x() * velocity.x() + velocity.z() * velocity.z()) < speedCap) {
        rigid->applyCentralImpulse(btVector3(x, 0.0f, z));
    }
}

} // namespace Vexmor::gameobject
