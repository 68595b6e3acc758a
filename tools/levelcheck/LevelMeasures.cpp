#include "levelcheck/LevelMeasures.h"

#include "levelcheck/LevelCheck.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace Vexmor::levelcheck {

namespace {

constexpr int unreachable = std::numeric_limits<int>::max();
constexpr int naivePatience = 50;

struct Edge {
    std::size_t to;
    bool isSwitch;
};

// Every place the player can reach, the start first, with the moves between them.
struct PlaceGraph {
    std::vector<Place> places;
    std::unordered_map<Place, std::size_t, PlaceHash> index;
    std::vector<std::vector<Edge>> out;
    std::vector<std::vector<Edge>> in;
    // Places the machine can be used from.
    std::vector<std::size_t> goals;

    PlaceGraph(const Walker& walker, const Place& start) {
        add(start);
        for (std::size_t at = 0; at < places.size(); ++at) {
            if (walker.canUseMachine(places[at])) {
                goals.push_back(at);
            }
            for (const Transition& move : walker.movesFrom(places[at])) {
                const std::size_t to = add(move.to);
                const bool isSwitch = move.move == Move::SwitchEra;
                out[at].push_back({to, isSwitch});
                in[to].push_back({at, isSwitch});
            }
        }
    }

    std::size_t add(const Place& place) {
        const auto [found, isNew] = index.try_emplace(place, places.size());
        if (isNew) {
            places.push_back(place);
            out.emplace_back();
            in.emplace_back();
        }
        return found->second;
    }

    // The cheapest cost from the sources to every place (to the sources, backwards), where
    // moves and switches each cost 0 or 1.
    std::vector<int> cheapest(const std::vector<std::size_t>& sources, bool backwards, int moveCost,
                              int switchCost) const {
        std::vector<int> cost(places.size(), unreachable);
        std::deque<std::size_t> pending;
        for (const std::size_t source : sources) {
            cost[source] = 0;
            pending.push_back(source);
        }
        while (!pending.empty()) {
            const std::size_t at = pending.front();
            pending.pop_front();
            for (const Edge& edge : (backwards ? in : out)[at]) {
                const int step = edge.isSwitch ? switchCost : moveCost;
                if (cost[at] + step < cost[edge.to]) {
                    cost[edge.to] = cost[at] + step;
                    if (step == 0) {
                        pending.push_front(edge.to);
                    } else {
                        pending.push_back(edge.to);
                    }
                }
            }
        }
        return cost;
    }

    // Places reachable from `from`, with or without switching, in the order found.
    std::vector<std::size_t> walkable(std::size_t from, bool switching) const {
        std::vector<std::size_t> found{from};
        std::vector<bool> seen(places.size(), false);
        seen[from] = true;
        for (std::size_t i = 0; i < found.size(); ++i) {
            for (const Edge& edge : out[found[i]]) {
                if ((switching || !edge.isSwitch) && !seen[edge.to]) {
                    seen[edge.to] = true;
                    found.push_back(edge.to);
                }
            }
        }
        return found;
    }
};

int longestStraight(const Route& route) {
    int longest = 0;
    int run = 0;
    Cell direction{0, 0, 0};
    Place at = route.start;
    for (const Transition& step : route.steps) {
        const Cell moved = step.to.cell - at.cell;
        if (step.move == Move::Walk && !step.door) {
            run = run > 0 && moved == direction ? run + 1 : 1;
            direction = moved;
        } else {
            run = 0;
        }
        longest = std::max(longest, run);
        at = step.to;
    }
    return longest;
}

// Blocks (biconnected components) of an undirected graph, by Tarjan's depth-first search.
class Blocks {
public:
    Blocks(const std::vector<std::vector<std::pair<std::size_t, std::size_t>>>& adjacent,
           std::size_t root)
        : adjacent(adjacent), found(adjacent.size(), 0), low(adjacent.size(), 0) {
        visit(root, std::numeric_limits<std::size_t>::max());
    }

    // The nodes of each block.
    std::vector<std::vector<std::size_t>> blocks;

private:
    void visit(std::size_t node, std::size_t cameBy) {
        found[node] = low[node] = ++clock;
        for (const auto& [next, edge] : adjacent[node]) {
            if (edge == cameBy) {
                continue;
            }
            if (found[next] == 0) {
                edges.push_back({node, next, edge});
                visit(next, edge);
                low[node] = std::min(low[node], low[next]);
                if (low[next] >= found[node]) {
                    closeBlock(edge);
                }
            } else if (found[next] < found[node]) {
                edges.push_back({node, next, edge});
                low[node] = std::min(low[node], found[next]);
            }
        }
    }

    // The edges pushed since the tree edge `last` form a block.
    void closeBlock(std::size_t last) {
        std::set<std::size_t> nodes;
        for (;;) {
            const Stacked top = edges.back();
            edges.pop_back();
            nodes.insert(top.from);
            nodes.insert(top.to);
            if (top.edge == last) {
                break;
            }
        }
        blocks.emplace_back(nodes.begin(), nodes.end());
    }

    struct Stacked {
        std::size_t from;
        std::size_t to;
        std::size_t edge;
    };

    const std::vector<std::vector<std::pair<std::size_t, std::size_t>>>& adjacent;
    std::vector<int> found;
    std::vector<int> low;
    int clock = 0;
    std::vector<Stacked> edges;
};

// Cells off every way from the start to the machine, grouped into the side branches they
// form; sizes largest first.
std::vector<std::size_t> blindAlleys(const PlaceGraph& graph) {
    std::unordered_map<Cell, std::size_t, CellHash> cellIndex;
    std::vector<std::size_t> cellOf;
    for (const Place& place : graph.places) {
        cellOf.push_back(cellIndex.try_emplace(place.cell, cellIndex.size()).first->second);
    }
    // One more node stands for the machine, joined to every cell it is used from.
    const std::size_t machine = cellIndex.size();
    std::set<std::pair<std::size_t, std::size_t>> joined;
    for (std::size_t at = 0; at < graph.places.size(); ++at) {
        for (const Edge& edge : graph.out[at]) {
            if (cellOf[at] != cellOf[edge.to]) {
                joined.insert(std::minmax(cellOf[at], cellOf[edge.to]));
            }
        }
    }
    for (const std::size_t goal : graph.goals) {
        joined.insert({cellOf[goal], machine});
    }
    std::vector<std::vector<std::pair<std::size_t, std::size_t>>> adjacent(machine + 1);
    std::size_t edge = 0;
    for (const auto& [a, b] : joined) {
        adjacent[a].push_back({b, edge});
        adjacent[b].push_back({a, edge});
        ++edge;
    }
    const std::size_t start = cellOf[0];
    const auto blocks = Blocks(adjacent, start).blocks;

    // The block-cut tree, with every node beside its blocks: the path from the start to
    // the machine passes the blocks every way passes.
    const std::size_t nodes = machine + 1;
    std::vector<std::vector<std::size_t>> tree(nodes + blocks.size());
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        for (const std::size_t node : blocks[block]) {
            tree[node].push_back(nodes + block);
            tree[nodes + block].push_back(node);
        }
    }
    std::vector<std::size_t> parent(tree.size(), tree.size());
    parent[start] = start;
    std::vector<std::size_t> pending{start};
    for (std::size_t i = 0; i < pending.size(); ++i) {
        for (const std::size_t next : tree[pending[i]]) {
            if (parent[next] == tree.size()) {
                parent[next] = pending[i];
                pending.push_back(next);
            }
        }
    }
    std::vector<bool> onWay(nodes, false);
    onWay[machine] = true;
    for (std::size_t at = machine; at != start; at = parent[at]) {
        if (at >= nodes) {
            for (const std::size_t node : blocks[at - nodes]) {
                onWay[node] = true;
            }
        }
    }

    std::vector<std::size_t> sizes;
    std::vector<bool> counted(nodes, false);
    for (std::size_t first = 0; first < machine; ++first) {
        if (onWay[first] || counted[first]) {
            continue;
        }
        std::vector<std::size_t> alley{first};
        counted[first] = true;
        for (std::size_t i = 0; i < alley.size(); ++i) {
            for (const auto& [next, unused] : adjacent[alley[i]]) {
                if (!onWay[next] && !counted[next]) {
                    counted[next] = true;
                    alley.push_back(next);
                }
            }
        }
        sizes.push_back(alley.size());
    }
    std::sort(sizes.rbegin(), sizes.rend());
    return sizes;
}

// Drops on the route after which the player never gets back to the cell he left.
int oneWayDrops(const PlaceGraph& graph, const Route& route) {
    int drops = 0;
    Place at = route.start;
    for (const Transition& step : route.steps) {
        if (step.move == Move::Drop) {
            const auto after = graph.walkable(graph.index.at(step.to), true);
            const Cell left = at.cell;
            drops += std::none_of(after.begin(), after.end(), [&](std::size_t place) {
                return graph.places[place].cell == left;
            });
        }
        at = step.to;
    }
    return drops;
}

std::string placeName(const Place& place) {
    return cellName(place.cell) + " in the " + eraName(place.era) + " era";
}

NaiveRun naivePlayer(const PlaceGraph& graph) {
    NaiveRun run;
    // The way he believes in: fewest moves to a cell the machine is used from, where a move
    // counts if either era makes it, since he sees what blocks him but not what the other
    // era holds there.
    std::unordered_map<Cell, std::vector<Cell>, CellHash> comingFrom;
    std::unordered_map<Cell, int, CellHash> movesLeft;
    std::deque<Cell> pending;
    for (std::size_t at = 0; at < graph.places.size(); ++at) {
        for (const Edge& edge : graph.out[at]) {
            if (!edge.isSwitch) {
                comingFrom[graph.places[edge.to].cell].push_back(graph.places[at].cell);
            }
        }
    }
    for (const std::size_t goal : graph.goals) {
        if (movesLeft.emplace(graph.places[goal].cell, 0).second) {
            pending.push_back(graph.places[goal].cell);
        }
    }
    while (!pending.empty()) {
        const Cell cell = pending.front();
        pending.pop_front();
        for (const Cell& before : comingFrom[cell]) {
            if (movesLeft.emplace(before, movesLeft[cell] + 1).second) {
                pending.push_back(before);
            }
        }
    }
    const auto left = [&movesLeft](Cell cell) {
        const auto found = movesLeft.find(cell);
        return found == movesLeft.end() ? unreachable : found->second;
    };
    const auto canSwitch = [&graph](std::size_t place) {
        const auto& moves = graph.out[place];
        return std::any_of(moves.begin(), moves.end(),
                           [](const Edge& edge) { return edge.isSwitch; });
    };
    std::unordered_set<std::size_t> switchedAt;
    for (std::size_t at = 0;;) {
        // He goes as far along that way as his era lets him: to the place nearest the
        // machine by it where he can use the machine or switch (not on a stair that would
        // appear around him). The walk finds places nearest him first, so of equals he
        // takes the nearest.
        std::optional<std::size_t> target;
        for (const std::size_t place : graph.walkable(at, false)) {
            const bool useful = left(graph.places[place].cell) == 0 || canSwitch(place);
            if (useful &&
                (!target || left(graph.places[place].cell) < left(graph.places[*target].cell))) {
                target = place;
            }
        }
        if (target &&
            std::find(graph.goals.begin(), graph.goals.end(), *target) != graph.goals.end()) {
            run.solved = true;
            return run;
        }
        const std::string where = placeName(graph.places[target.value_or(at)]);
        if (!target) {
            run.failure = "stuck at " + where + ": nowhere he can walk lets him switch";
        } else if (!switchedAt.insert(*target).second) {
            run.failure = "goes round: back at " + where + ", where he switched before";
        } else if (run.switches == naivePatience) {
            run.failure = "still going after " + std::to_string(naivePatience) + " switches";
        } else {
            ++run.switches;
            const auto& moves = graph.out[*target];
            at = std::find_if(moves.begin(), moves.end(), [](const Edge& edge) {
                     return edge.isSwitch;
                 })->to;
            continue;
        }
        return run;
    }
}

} // namespace

LevelMeasures measureLevel(const LevelLayout& layout, const Place& start) {
    const Walker walker(layout);
    const PlaceGraph graph(walker, start);
    const Exploration exploration = explore(walker, start);
    LevelMeasures measures;
    measures.states = exploration.reachable;
    measures.route = exploration.route;
    if (!measures.route) {
        return measures;
    }
    const Route& route = *measures.route;
    measures.routeMoves = static_cast<int>(route.steps.size()) - route.eraSwitches();
    measures.longestStraight = longestStraight(route);
    measures.blindAlleys = blindAlleys(graph);

    const std::vector<int> fromStart = graph.cheapest({0}, false, 0, 1);
    const std::vector<int> toMachine = graph.cheapest(graph.goals, true, 0, 1);
    std::unordered_set<Cell, CellHash> switchable;
    std::unordered_set<Cell, CellHash> optimal;
    for (std::size_t at = 0; at < graph.places.size(); ++at) {
        for (const Edge& edge : graph.out[at]) {
            if (!edge.isSwitch) {
                continue;
            }
            const Place& place = graph.places[at];
            switchable.insert(place.cell);
            if (toMachine[edge.to] != unreachable &&
                fromStart[at] + 1 + toMachine[edge.to] == toMachine[0]) {
                measures.optimalSwitches.push_back(place);
                optimal.insert(place.cell);
            }
        }
    }
    measures.switchableCells = switchable.size();
    measures.optimalSwitchCells = optimal.size();
    measures.oneWayDrops = oneWayDrops(graph, route);
    measures.traps = trapRegions(walker, exploration.stranded);
    measures.naive = naivePlayer(graph);
    return measures;
}

std::vector<std::string> figureLines(const LevelMeasures& measures) {
    if (!measures.route) {
        return {"switches: none (the time machine is out of reach)",
                "states: " + std::to_string(measures.states)};
    }
    const auto list = [](const auto& items, const auto& name) {
        std::string text;
        for (const auto& item : items) {
            text += (text.empty() ? "" : ", ") + name(item);
        }
        return text;
    };
    std::string alleys = "blind alleys: " + std::to_string(measures.blindAlleys.size());
    if (!measures.blindAlleys.empty()) {
        alleys +=
            " (sizes " +
            list(measures.blindAlleys, [](std::size_t size) { return std::to_string(size); }) + ")";
    }
    // Each trap by the place it is first met at, for a `# Trap:` comment to name.
    std::size_t trapped = 0;
    for (const auto& trap : measures.traps) {
        trapped += trap.size();
    }
    std::string traps = "traps: " + std::to_string(trapped);
    if (!measures.traps.empty()) {
        traps += " (" + std::to_string(measures.traps.size()) +
                 (measures.traps.size() == 1 ? " trap: " : " traps: ") +
                 list(measures.traps,
                      [](const std::vector<Place>& trap) {
                          return cellName(trap.front().cell) + " " + eraName(trap.front().era);
                      }) +
                 ")";
    }
    const NaiveRun& naive = measures.naive;
    return {
        "switches: " + std::to_string(measures.route->eraSwitches()),
        "route: " + std::to_string(measures.routeMoves),
        "longest straight: " + std::to_string(measures.longestStraight),
        "states: " + std::to_string(measures.states),
        alleys,
        "switch places: " + std::to_string(measures.optimalSwitchCells) + " of " +
            std::to_string(measures.switchableCells),
        "one-way drops: " + std::to_string(measures.oneWayDrops),
        traps,
        "naive player: " + (naive.solved ? "solves it with " + std::to_string(naive.switches) +
                                               (naive.switches == 1 ? " switch" : " switches")
                                         : "fails (" + naive.failure + ")"),
    };
}

} // namespace Vexmor::levelcheck
