#include "levelcheck/RouteSearch.h"

#include <algorithm>
#include <queue>
#include <unordered_map>
#include <unordered_set>

namespace Vexmor::levelcheck {

namespace {

struct PlaceHash {
    std::size_t operator()(const Place& place) const {
        return CellHash()(place.cell) * 2 + static_cast<std::size_t>(place.era);
    }
};

// The cost of getting somewhere: era switches first, then moves.
struct Cost {
    int switches;
    int moves;

    bool operator<(const Cost& other) const {
        return switches != other.switches ? switches < other.switches : moves < other.moves;
    }
};

struct Visit {
    Cost cost;
    std::optional<Place> from;
    std::optional<Transition> via;
};

struct Waiting {
    Cost cost;
    Place at;

    // The queue puts the greatest first; the cheapest must come first.
    bool operator<(const Waiting& other) const { return other.cost < cost; }
};

} // namespace

int Route::eraSwitches() const {
    return static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const Transition& step) {
        return step.move == Move::SwitchEra;
    }));
}

Exploration explore(const Walker& walker, const Place& start) {
    std::unordered_map<Place, Visit, PlaceHash> visits{{start, Visit{{0, 0}, {}, {}}}};
    std::unordered_map<Place, std::vector<Place>, PlaceHash> comingFrom;
    std::vector<Place> found{start};
    std::vector<Place> goals;

    std::priority_queue<Waiting> waiting;
    waiting.push({{0, 0}, start});
    std::unordered_set<Place, PlaceHash> expanded;
    while (!waiting.empty()) {
        const Place at = waiting.top().at;
        waiting.pop();
        if (!expanded.insert(at).second) {
            continue;
        }
        if (walker.canUseMachine(at)) {
            goals.push_back(at);
        }
        const Cost cost = visits.at(at).cost;
        for (const Transition& move : walker.movesFrom(at)) {
            comingFrom[move.to].push_back(at);
            const Cost next = move.move == Move::SwitchEra ? Cost{cost.switches + 1, cost.moves + 1}
                                                           : Cost{cost.switches, cost.moves + 1};
            auto [visit, isNew] = visits.try_emplace(move.to, Visit{next, at, move});
            if (isNew) {
                found.push_back(move.to);
            } else if (next < visit->second.cost) {
                visit->second = Visit{next, at, move};
            } else {
                continue;
            }
            waiting.push({next, move.to});
        }
    }

    Exploration result;
    result.reachable = found.size();
    if (goals.empty()) {
        return result;
    }
    // Places are expanded cheapest first, so the first goal is the cheapest.
    const Place goal = goals.front();
    Route route{start, {}};
    for (Place at = goal; !(at == start);) {
        const Visit& visit = visits.at(at);
        route.steps.push_back(*visit.via);
        at = *visit.from;
    }
    std::reverse(route.steps.begin(), route.steps.end());
    result.route = route;

    // Backwards from the machine: where can the player still finish from?
    std::unordered_set<Place, PlaceHash> canFinish(goals.begin(), goals.end());
    std::vector<Place> pending = goals;
    while (!pending.empty()) {
        const Place at = pending.back();
        pending.pop_back();
        for (const Place& before : comingFrom[at]) {
            if (canFinish.insert(before).second) {
                pending.push_back(before);
            }
        }
    }
    std::copy_if(found.begin(), found.end(), std::back_inserter(result.stranded),
                 [&](const Place& place) { return canFinish.count(place) == 0; });
    return result;
}

} // namespace Vexmor::levelcheck
