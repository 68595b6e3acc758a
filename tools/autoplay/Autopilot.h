#pragma once

#include "autoplay/Course.h"
#include "levelcheck/Walker.h"

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include <array>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

namespace Vexmor::engine {
class GameObject;
}
namespace Vexmor::gameobject {
class Door;
class TimeMachine;
} // namespace Vexmor::gameobject
namespace Vexmor::platform {
class ScriptedInput;
}
namespace Vexmor::screen {
class LevelManager;
}

namespace Vexmor::autoplay {

// Plays a level as a player would, through the keys and the mouse only: follows a course
// from the level checker's route leg by leg, turning toward each point and walking, gets
// doors open, switches the era and uses the time machine. When the player ends up
// somewhere the course does not expect, or makes no headway, it tries a few ways out and
// then plans again from where he stands.
class Autopilot {
public:
    // `level` has been initialised; the layout is the same file's, as the checker loaded it.
    // What it does to get out of trouble, and when the era switches, is told to `notes`.
    Autopilot(screen::LevelManager& level, platform::ScriptedInput& input,
              const levelcheck::LevelLayout& layout, const levelcheck::Route& route,
              std::ostream& notes);

    // Before each of the level's updates: looks where the player is and sets the keys and
    // the mouse for the update.
    void steer(double seconds);

    bool hasGivenUp() const { return !failure.empty(); }
    const std::string& reason() const { return failure; }
    int eraSwitches() const { return switches; }
    // The last point of the course reached and where the player stands, in words.
    std::string whereabouts() const;

private:
    struct Sight {
        glm::vec3 body{0.0f};
        glm::vec3 velocity{0.0f};
        glm::vec2 forward{0.0f, -1.0f};
        levelcheck::Cell cell{0, 0, 0};
        int era = 0;
        float speed = 0.0f;
    };
    // Where the leaf of a door stands and swings.
    struct Leaf {
        gameobject::Door* door = nullptr;
        glm::vec2 hinge{0.0f};
    };

    Sight look() const;
    void walk(const Sight& sight);
    void openDoor(const Sight& sight);
    // The last of a door's leg: onto the line through its doorway.
    void lineUp(const Sight& sight);
    void switchEra(const Sight& sight);
    void useMachine(const Sight& sight);

    // Turns toward a point and walks when facing it; a careful approach keeps slow near it.
    // The distance to the point.
    float headFor(const glm::vec2& point, const Sight& sight, bool careful);
    // Whether the last point headed for is nearly straight ahead.
    bool facing() const;
    // Watches headway toward the current goal; false once none was made for a while, after
    // which a way out has been started.
    bool makingHeadway(float distance);
    // Runs a way out that was started; true while it lasts.
    bool escaping();
    void nextPhase(int phase);
    void legDone(const Sight& sight);
    // Plans anew from where the player stands.
    void replan(const Sight& sight, const std::string& why);
    void giveUp(const std::string& why);
    gameobject::TimeMachine* machine(int era) const;
    // The ball nearest to a point, if one lies within `within` of it.
    const engine::GameObject* ballNear(const glm::vec2& point, float within) const;
    // Where to walk to pass a ball that lies on the way to a point.
    glm::vec2 aroundBalls(const glm::vec2& point, const Sight& sight) const;

    screen::LevelManager& level;
    platform::ScriptedInput& input;
    std::ostream& notes;
    const levelcheck::LevelLayout& layout;
    levelcheck::Walker walker;
    std::size_t moveCount;
    std::vector<Leg> course;
    std::size_t legIndex = 0;
    double frameSeconds = 0.0;
    // Steers so far: the frame the level is in.
    long frames = 0;
    float lastTurn = 180.0f;
    // Each leg's own steps (approach, wait, ...), and how long the current one has run.
    int phase = 0;
    double phaseSeconds = 0.0;
    // Presses that failed to do what they should, in this leg.
    int retries = 0;

    float bestDistance = 0.0f;
    double stalledSeconds = 0.0;
    int escapes = 0;
    int escapeKind = 0;
    // Below 0 while no way out runs.
    double escapeSeconds = -1.0;
    double astraySeconds = 0.0;
    int replans = 0;

    // Per era, the balls: far too heavy to push aside, so they are walked round.
    std::array<std::vector<engine::GameObject*>, 2> balls;
    // Per era, the leaf of each door cell.
    std::array<std::unordered_map<levelcheck::Cell, Leaf, levelcheck::CellHash>, 2> leaves;
    levelcheck::Place lastReached;
    std::size_t lastMove = 0;
    bool reachedAny = false;
    int switches = 0;
    std::string failure;
    Sight last;
};

} // namespace Vexmor::autoplay
