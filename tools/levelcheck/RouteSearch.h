#pragma once

#include "levelcheck/Walker.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace Vexmor::levelcheck {

struct Route {
    Place start;
    std::vector<Transition> steps;

    int eraSwitches() const;
};

struct Exploration {
    // A way to the time machine with as few era switches as there can be, and of those
    // one with the fewest moves.
    std::optional<Route> route;
    // How many places the player can get to.
    std::size_t reachable = 0;
    // Places he can get to but not leave toward the machine, in the order they were found.
    std::vector<Place> stranded;
};

// Everything the player can do from the start, and whether it ends at the machine.
Exploration explore(const Walker& walker, const Place& start);

// The stranded places grouped into traps: places joined by a move either way share one.
// Each trap keeps the order the places were found in, and the traps the order of their
// first place.
std::vector<std::vector<Place>> trapRegions(const Walker& walker,
                                            const std::vector<Place>& stranded);

} // namespace Vexmor::levelcheck
