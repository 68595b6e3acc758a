#pragma once

#include "levelcheck/RouteSearch.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vexmor::levelcheck {

struct Finding {
    enum class Severity { Warning, Error };

    Severity severity;
    // 1-based line of the file; 0 when the finding is about the layout, not one line.
    int line;
    std::string text;
};

struct LevelReport {
    // The loader's warnings and fatal error, then what is wrong with the layout.
    std::vector<Finding> findings;
    std::optional<Route> route;
    // Where the player comes to rest at the start; absent when he has no floor there.
    std::optional<Place> start;
    // The level as loaded, for tools that plan their own way on it; null when it does not
    // load.
    std::shared_ptr<const LevelLayout> layout;
    // Why the level passes or fails, in one line.
    std::string verdict;

    bool completable() const { return route.has_value(); }
    bool passed() const { return completable() && findings.empty(); }
};

// Loads a level file with the game's loader and decides whether every player can finish it.
LevelReport checkLevel(const std::string& path);

std::string cellName(Cell cell);
std::string eraName(int era);
// One step of a route in words, e.g. "walk through the door at 3|1|2 to 3|1|3".
std::string describe(const Place& from, const Transition& step);

} // namespace Vexmor::levelcheck
