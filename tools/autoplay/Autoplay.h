#pragma once

#include <string>

namespace Vexmor::autoplay {

struct Options {
    // Draw every frame as the game does; without it only the updates run.
    bool render = false;
    // When not empty, every 4th drawn frame is written there as a PNG.
    std::string recordDirectory;
    // Game time a level may take.
    double limitSeconds = 300.0;
};

struct Outcome {
    bool finished = false;
    double seconds = 0.0;
    long frames = 0;
    int eraSwitches = 0;
    // Why it was not finished, and where the player was.
    std::string reason;
};

// The game's name for a level given either way: "levels/03_doors.lvl" or
// "levels\03_doors.lvl" both give the latter.
std::string gameName(const std::string& level);

// Plays one level file to its end with the autopilot, in frames of 1/60 s of game time,
// through the game's own level screen. Needs a current GL context and runs in the data
// directory; the game's console lines go to `console`.
Outcome play(const std::string& level, const Options& options, std::ostream& console);

// "<file>: finished in 41.3 s of game time (2478 frames, 1 era switches)" or
// "<file>: not finished: <reason>".
std::string verdict(const std::string& file, const Outcome& outcome);

} // namespace Vexmor::autoplay
