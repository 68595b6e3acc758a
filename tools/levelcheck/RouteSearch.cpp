#include "levelcheck/RouteSearch.h"

#include <algorithm>
#include <queue>
#include <unordered_map>
#include <unordered_set>

namespace Vexmor::levelcheck {

namespace {

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

std::vector<std::vector<Place>> trapRegions(const Walker& walker,
                                            const std::vector<Place>& stranded) {
    std::unordered_map<Place, std::size_t, PlaceHash> index;
    for (std::size_t i = 0; i < stranded.size(); ++i) {
        index.emplace(stranded[i], i);
    }
    // Union-find over the stranded places; the root is always the earliest found.
    std::vector<std::size_t> parent(stranded.size());
    for (std::size_t i = 0; i < parent.size(); ++i) {
        parent[i] = i;
    }
    const auto root = [&](std::size_t i) {
        while (parent[i] != i) {
            i = parent[i] = parent[parent[i]];
        }
        return i;
    };
    for (std::size_t i = 0; i < stranded.size(); ++i) {
        for (const Transition& move : walker.movesFrom(stranded[i])) {
            const auto other = index.find(move.to);
            if (other != index.end()) {
                const std::size_t a = root(i);
                const std::size_t b = root(other->second);
                parent[std::max(a, b)] = std::min(a, b);
            }
        }
    }
    std::vector<std::vector<Place>> regions;
    std::unordered_map<std::size_t, std::size_t> regionOf;
    for (std::size_t i = 0; i < stranded.size(); ++i) {
        const auto [region, isNew] = regionOf.try_emplace(root(i), regions.size());
        if (isNew) {
            regions.emplace_back();
        }
        regions[region->second].push_back(stranded[i]);
    }
    return regions;
}

} // namespace Vexmor::levelcheck
