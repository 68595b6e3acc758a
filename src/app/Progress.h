#pragma once

#include <map>
#include <optional>
#include <string>

namespace Vexmor::app {

// The levels a player has finished, each with the best game time in seconds. A level is
// known by its line in the level list exactly as written there ("levels\level03.txt"), so
// reordering the list keeps what was won.
class Progress {
public:
    using Levels = std::map<std::string, double>;

    // Keeps the smaller of `seconds` and the time the level has.
    void finish(const std::string& levelLine, double seconds);
    bool isFinished(const std::string& levelLine) const;
    std::optional<double> bestTime(const std::string& levelLine) const;

    // Level line to best time, for saving.
    const Levels& levels() const { return best; }

private:
    Levels best;
};

} // namespace Vexmor::app
