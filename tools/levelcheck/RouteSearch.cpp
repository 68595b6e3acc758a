#include "levelcheck/RouteSearch.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace Vexmor::levelcheck {

namespace {

struct PlaceHash {
    std::size_t operator()(const Place& place) const {
        return CellHash()(place.cell) * 2 + static_cast<std::size_t>(place.era);
    }
};

struct Visit {
    int switches;
    std::optional<Place> from;
    std::optional<Transition> via;
};

} // namespace

int Route::eraSwitches() const {
    return static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const Transition& step) {
        return step.move == Move::SwitchEra;
    }));
}

Exploration explore(const Walker& walker, const Place& start) {
    std::unordered_map<Place, Visit, PlaceHash> visits{{start, Visit{0, {}, {}}}};
    std::unordered_map<Place, std::vector<Place>, PlaceHash> comingFrom;
    std::vector<Place> found{start};
    std::vector<Place> goals;

    // Era switches cost one, everything else nothing: a 0-1 breadth-first search.
    std::deque<Place> waiting{start};
    std::unordered_set<Place, PlaceHash> expanded;
    while (!waiting.empty()) {
        const Place at = waiting.front();
        waiting.pop_front();
        if (!expanded.insert(at).second) {
            continue;
        }
        if (walker.canUseMachine(at)) {
            goals.push_back(at);
        }
        const int switches = visits.at(at).switches;
        for (const Transition& move : walker.movesFrom(at)) {
            comingFrom[move.to].push_back(at);
            const int cost = move.move == Move::SwitchEra ? 1 : 0;
            auto [visit, isNew] = visits.try_emplace(move.to, Visit{switches + cost, at, move});
            if (isNew) {
                found.push_back(move.to);
            } else if (visit->second.switches > switches + cost) {
                visit->second = Visit{switches + cost, at, move};
            } else {
                continue;
            }
            if (cost == 0) {
                waiting.push_front(move.to);
            } else {
                waiting.push_back(move.to);
            }
        }
    }

    Exploration result;
    result.reachable = found.size();
    if (goals.empty()) {
        return result;
    }
    const Place goal =
        *std::min_element(goals.begin(), goals.end(), [&](const Place& a, const Place& b) {
            return visits.at(a).switches < visits.at(b).switches;
        });
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
