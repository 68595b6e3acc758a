#pragma once

#include "platform/ControlSettings.h"

#include <glm/vec2.hpp>

namespace Vexmor::platform {

class Input;

// Where the cursor is put back every frame of play; the offset from it is the frame's
// mouse move.
inline const glm::dvec2 cursorHome{400.0, 300.0};

// The stick's push inside this share of its travel is ignored: a stick at rest never
// quite centres.
constexpr float stickDeadZone = 0.2f;

// What the player asks of the game in a frame of play, from the keys, the mouse and the
// first gamepad. Buttons read as held; a command that acts once per press takes the press
// with a PressTracker.
struct PlayActions {
    // To the right (x) and forward (y). The keys step a whole 1 on each axis (the keys win
    // over the stick); the left stick gives up to 1 in all, growing from 0 at the edge of
    // its dead zone.
    glm::vec2 move{0.0f, 0.0f};
    bool jump = false;
    bool use = false;
    bool switchEra = false;
    bool run = false;
    bool lamp = false;
    bool pause = false;
};

PlayActions playActions(const Input& input);

// Degrees to turn in a frame of `seconds`: about the vertical (x, to the left) and the
// pitch (y, up). Takes the mouse's move since the cursor was last put home, puts it back,
// and adds the right stick's turn for the frame's time.
glm::vec2 lookDegrees(Input& input, double seconds, const ControlSettings& settings);

} // namespace Vexmor::platform
