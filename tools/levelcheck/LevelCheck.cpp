#include "levelcheck/LevelCheck.h"

#include "levelloader/BlockAlignedObject.h"
#include "levelloader/LevelLoader.h"
#include "levelloader/StairBlock.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>

namespace Vexmor::levelcheck {

namespace {

using Type = CellContent::Type;

// Takes what the loader prints, line by line, and files each line as a warning about the
// line of the level file the loader was working on at that moment.
class LineTagger : public std::streambuf {
public:
    LineTagger(const levelloader::LevelLoader& loader, std::vector<Finding>& findings)
        : loader(loader), findings(findings) {}

    void finish() {
        if (!pending.empty()) {
            file();
        }
    }

protected:
    int_type overflow(int_type ch) override {
        if (traits_type::eq_int_type(ch, traits_type::eof())) {
            return traits_type::not_eof(ch);
        }
        if (traits_type::to_char_type(ch) == '\n') {
            file();
        } else {
            pending += traits_type::to_char_type(ch);
        }
        return ch;
    }

private:
    void file() {
        findings.push_back({Finding::Severity::Warning, loader.warningLine(), pending});
        pending.clear();
    }

    const levelloader::LevelLoader& loader;
    std::vector<Finding>& findings;
    std::string pending;
};

const char* typeName(Type type) {
    switch (type) {
    case Type::Door:
        return "door";
    case Type::Stair:
        return "stair";
    case Type::TimeMachine:
        return "time machine";
    case Type::Air:
        break;
    }
    return "open cell";
}

bool intactInSomeEra(const CellContent& stair) {
    for (const int era : {levelloader::darkEra, levelloader::brightEra}) {
        const auto appearance = levelloader::StairBlock::appearance(stair.stairCondition, era);
        if (appearance && (*appearance == 0 || *appearance == 1)) {
            return true;
        }
    }
    return false;
}

// What the loader accepts but a player would trip over.
class LayoutCheck {
public:
    LayoutCheck(const LevelLayout& layout, std::vector<Finding>& findings)
        : layout(layout), findings(findings) {}

    void run(Cell start) {
        for (const auto& [cell, content] : layout.namedCells()) {
            edge(cell);
            if (content.type == Type::Door) {
                door(cell, content);
            } else if (content.type == Type::Stair) {
                stair(cell, content);
            } else if (content.type == Type::TimeMachine) {
                machine(cell);
            }
        }
        if (layout.timeMachines().size() > 1) {
            warn(std::to_string(layout.timeMachines().size()) +
                 " time machines; a level has exactly one");
        }
        for (const Cell& ball : layout.balls()) {
            this->ball(ball, start);
        }
    }

    void warn(const std::string& text) {
        findings.push_back({Finding::Severity::Warning, 0, text});
    }

private:
    bool open(Cell cell) const { return layout.contains(cell) && !layout.isRock(cell); }

    // The grid has no walls outside: an open cell on its edge lets the player out.
    void edge(Cell cell) {
        const Cell last = layout.gridSize() - Cell{1, 1, 1};
        for (int axis = 0; axis < 3; ++axis) {
            if (cell[axis] == 0 || cell[axis] == last[axis]) {
                warn("the " + std::string(typeName(layout.at(cell)->type)) + " at " +
                     cellName(cell) + " lies on the edge of the level, which has no wall beyond");
                return;
            }
        }
    }

    void door(Cell cell, const CellContent& content) {
        if (!open(cell + content.facing)) {
            warn("the door at " + cellName(cell) + " opens onto rock at " +
                 cellName(cell + content.facing));
        }
    }

    void stair(Cell cell, const CellContent& content) {
        if (!intactInSomeEra(content)) {
            return;
        }
        const Cell foot = cell - content.facing;
        const Cell top = cell + up + content.facing;
        if (!open(cell + up)) {
            warn("the stair at " + cellName(cell) + " has no room above it at " +
                 cellName(cell + up));
        }
        if (!open(top)) {
            warn("the stair at " + cellName(cell) + " leads up into rock at " + cellName(top));
        }
        if (!open(foot)) {
            warn("the stair at " + cellName(cell) + " starts at rock at " + cellName(foot));
        }
    }

    void machine(Cell cell) {
        for (const Cell& beside : LevelLayout::machineCorner(cell)) {
            const CellContent* content = layout.at(beside);
            if (content == nullptr || content->type == Type::Door || content->type == Type::Stair) {
                warn("the time machine at " + cellName(cell) +
                     " needs the four cells around its corner open and free; " + cellName(beside) +
                     " is not");
            }
        }
    }

    // Balls in rock or outside the level never get here: the loader warns and leaves them out.
    void ball(Cell cell, Cell start) {
        const CellContent* content = layout.at(cell);
        if (content != nullptr && (content->type == Type::Door || content->type == Type::Stair)) {
            warn("the ball at " + cellName(cell) + " needs an open cell without door or stair");
        } else if (cell == start) {
            warn("the ball at " + cellName(cell) + " starts inside the player");
        }
    }

    const LevelLayout& layout;
    std::vector<Finding>& findings;
};

std::string plural(std::size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string plural(std::size_t count, const std::string& noun) {
    return plural(count, noun, noun + "s");
}

// A trap the level's comments say is there on purpose: the player can restart the level.
struct DeclaredTrap {
    Cell cell;
    int line;
};

// Comment lines "# Trap: x|y|z why", which the game's loader skips as any comment.
std::vector<DeclaredTrap> declaredTraps(const std::string& path, std::vector<Finding>& findings) {
    std::ifstream file(platform::hostPath(path));
    std::vector<DeclaredTrap> traps;
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        std::istringstream words(text);
        std::string hash;
        if (!(words >> hash) || hash[0] != '#') {
            continue;
        }
        // The tag may stand apart from the "#" or follow it at once.
        std::string tag = hash.substr(1);
        if (tag.empty() && !(words >> tag)) {
            continue;
        }
        if (tag != "Trap:") {
            continue;
        }
        Cell cell;
        char bar1 = 0;
        char bar2 = 0;
        words >> cell.x >> bar1 >> cell.y >> bar2 >> cell.z;
        const int after = words.peek();
        if (!words || bar1 != '|' || bar2 != '|' || (after != EOF && !std::isspace(after))) {
            findings.push_back(
                {Finding::Severity::Warning, line, "a trap comment needs its cell as x|y|z"});
            continue;
        }
        traps.push_back({cell, line});
    }
    return traps;
}

// Each trap the player can fall into must be declared, and each declaration must name one.
void checkTraps(const Walker& walker, const std::vector<Place>& stranded,
                const std::vector<DeclaredTrap>& declared, std::vector<Finding>& findings) {
    std::vector<bool> named(declared.size(), false);
    for (const auto& region : trapRegions(walker, stranded)) {
        bool accepted = false;
        for (std::size_t i = 0; i < declared.size(); ++i) {
            if (std::any_of(region.begin(), region.end(),
                            [&](const Place& place) { return place.cell == declared[i].cell; })) {
                named[i] = true;
                accepted = true;
            }
        }
        if (!accepted) {
            const Place& first = region.front();
            findings.push_back({Finding::Severity::Warning, 0,
                                "the player can strand himself: from " + cellName(first.cell) +
                                    " in the " + eraName(first.era) +
                                    " era the time machine is out of reach (" +
                                    plural(region.size(), "such place") + ")"});
        }
    }
    for (std::size_t i = 0; i < declared.size(); ++i) {
        if (!named[i]) {
            findings.push_back(
                {Finding::Severity::Warning, declared[i].line,
                 "declared trap at " + cellName(declared[i].cell) + " is not a trap"});
        }
    }
}

// Checked first, so the reader's own notices about missing files never reach the console.
bool readable(const std::string& path) {
    const std::string host = platform::hostPath(path);
    std::error_code failure;
    return std::filesystem::is_regular_file(host, failure) && std::ifstream(host).is_open();
}

} // namespace

std::string cellName(Cell cell) {
    return std::to_string(cell.x) + "|" + std::to_string(cell.y) + "|" + std::to_string(cell.z);
}

std::string eraName(int era) {
    return era == levelloader::darkEra ? "dark" : "bright";
}

std::string describe(const Place& from, const Transition& step) {
    if (step.move == Move::SwitchEra) {
        const std::string text = "switch to the " + eraName(step.to.era) + " era";
        // Where his stair vanishes he drops to the floor.
        return step.to.cell == from.cell ? text : text + " and drop to " + cellName(step.to.cell);
    }
    const char* verb = "walk";
    switch (step.move) {
    case Move::Drop:
        verb = "drop";
        break;
    case Move::Climb:
        verb = "climb";
        break;
    case Move::Descend:
        verb = "go down";
        break;
    case Move::Walk:
    case Move::SwitchEra:
        break;
    }
    std::string text = verb;
    if (step.door) {
        text += " through the door at " + cellName(*step.door);
    }
    return text + " to " + cellName(step.to.cell);
}

LevelReport checkLevel(const std::string& path) {
    LevelReport report;
    if (!readable(path)) {
        report.findings.push_back({Finding::Severity::Error, 0, "can't read the file"});
        report.verdict = "does not load: can't read the file";
        return report;
    }

    levelloader::LevelLoader loader(path);
    LevelLayout layout;
    levelloader::LevelHeader header;
    std::string error;
    LineTagger tagger(loader, report.findings);
    std::ostream warnings(&tagger);
    const bool loaded = loader.parse(layout, header, error, warnings);
    tagger.finish();
    if (!loaded) {
        report.findings.push_back({Finding::Severity::Error, loader.tokensLineNumber() + 1, error});
        report.verdict = "does not load: " + error;
        return report;
    }
    layout.setSize({header.xDim, header.yDim, header.zDim});
    const std::vector<DeclaredTrap> declared = declaredTraps(path, report.findings);

    // The player's body starts at the centre of the cell nearest to the given point.
    const Cell startCell{static_cast<int>(std::floor(header.playerStart.x + 0.5f)),
                         static_cast<int>(std::floor(header.playerStart.y + 0.5f)),
                         static_cast<int>(std::floor(header.playerStart.z + 0.5f))};
    LayoutCheck check(layout, report.findings);
    check.run(startCell);

    const Walker walker(layout);
    const auto start = walker.start(startCell);
    report.start = start;
    if (layout.timeMachines().empty()) {
        check.warn("there is no time machine, so the level can't be finished");
        report.verdict = "not completable: no time machine";
    } else if (!start) {
        check.warn("the player starts at " + cellName(startCell) +
                   ", which is not an open cell above rock in the dark era");
        report.verdict = "not completable: the player does not start on a floor";
    } else if (const Exploration exploration = explore(walker, *start); !exploration.route) {
        report.verdict = "not completable: the time machine can't be reached from the start (" +
                         plural(exploration.reachable, "place") + " reachable)";
    } else {
        report.route = exploration.route;
        checkTraps(walker, exploration.stranded, declared, report.findings);
        if (report.findings.empty()) {
            report.verdict = "completable in " + plural(report.route->steps.size(), "move") +
                             " with " +
                             plural(report.route->eraSwitches(), "era switch", "era switches");
        } else {
            report.verdict =
                "completable, but not clean: " + plural(report.findings.size(), "warning");
        }
    }
    report.layout = std::make_shared<const LevelLayout>(std::move(layout));
    return report;
}

} // namespace Vexmor::levelcheck
