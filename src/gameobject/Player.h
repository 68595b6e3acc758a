#pragma once

#include "engine/Placement.h"
#include "physics/Doorway.h"
#include "physics/OwnedRigidBody.h"
#include "platform/PressTracker.h"

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <memory>
#include <vector>

class btRigidBody;

namespace Vexmor::platform {
class Input;
}

namespace Vexmor::gameobject {

// The player: a capsule pushed around by impulses, with a first-person camera riding
// half a unit above the body's centre and turned by the mouse or the right stick. Not drawn.
class Player {
public:
    // Movement acceleration per second of key press, and the speed it stops at.
    static constexpr float impulsePerSecond = 75.0f;
    static constexpr float speedCap = 3.0f;
    static constexpr float jumpImpulse = 2.5f;
    static constexpr float standingFriction = 20.0f;
    static constexpr float movingFriction = 6.0f;
    static constexpr float radius = 0.25f;

    // The start in grid units; the body starts at that cell's centre.
    Player(const glm::vec3& start, platform::Input& input);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Reads the controls once a frame: turns the camera and sets what the next sub-steps
    // push. The eye stays where the last step left the body.
    void update(double seconds);
    // Puts the eye half a unit above the body's centre: at the start, and after each step
    // of the worlds, so a frame shows where its own step put him.
    void followBody();
    // Before each physics sub-step of the world that holds the body: pushes for that
    // sub-step's time, so speed and jumps do not depend on the frame rate. The walls the
    // body touches turn the push (see steerPush): along them, and into a doorway whose jamb
    // it meets.
    void tick(float seconds, const std::vector<physics::WallContact>& walls = {});
    // One sub-step's impulse request: brakes when there is none, pushes only on the ground.
    void applyMovement(float x, float y, float z);

    // Turns the view about the vertical without the mouse.
    void turnView(float degrees);
    // The camera's world matrix.
    const glm::mat4& getCameraMatrix();
    btRigidBody* getBody() const;
    void setOnGround(bool grounded) { onGround = grounded; }
    const engine::Placement& getCamera() const { return camera; }

private:
    std::unique_ptr<physics::OwnedRigidBody> body;
    bool onGround = false;
    engine::Placement camera;
    platform::PressTracker jump;
    int jumpStage = 0;
    // Set by a fresh press of jump, taken by the next sub-step.
    bool jumpPending = false;
    // Horizontal impulse per second of simulated time while the player moves.
    glm::vec3 push{0.0f};
    platform::Input& input;
};

} // namespace Vexmor::gameobject
