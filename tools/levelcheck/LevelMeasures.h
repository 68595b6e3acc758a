#pragma once

#include "levelcheck/RouteSearch.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Vexmor::levelcheck {

// How a player fares who never looks ahead: he follows the shortest way that either era
// allows as far as his own era lets him, and switches there.
struct NaiveRun {
    bool solved = false;
    int switches = 0;
    // Why he gave up, when he did.
    std::string failure;
};

// Figures that tell whether a level asks for thought.
struct LevelMeasures {
    // Places (cell, era) the player can reach from the start.
    std::size_t states = 0;
    // The rest needs a way to the machine.
    std::optional<Route> route;
    int routeMoves = 0;
    int longestStraight = 0;
    // Sizes in cells, largest first.
    std::vector<std::size_t> blindAlleys;
    // Places a switch leaves from on some way with the fewest switches.
    std::vector<Place> optimalSwitches;
    std::size_t optimalSwitchCells = 0;
    std::size_t switchableCells = 0;
    int oneWayDrops = 0;
    // Places from which the machine is out of reach, grouped into the traps they form (places
    // joined by a move either way), each first where it was found first.
    std::vector<std::vector<Place>> traps;
    NaiveRun naive;
};

// Measures the level from the player's start in the dark era.
LevelMeasures measureLevel(const LevelLayout& layout, const Place& start);

// One "figure: value" line for each figure that makes sense for the level.
std::vector<std::string> figureLines(const LevelMeasures& measures);

} // namespace Vexmor::levelcheck
