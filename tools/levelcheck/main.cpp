#include "levelcheck/LevelCheck.h"
#include "levelcheck/LevelMap.h"
#include "levelcheck/LevelMeasures.h"
#include "levelcheck/PngFile.h"

#include <cstring>
#include <iostream>

using namespace Vexmor::levelcheck;

namespace {

int usage() {
    std::cerr << "usage: vexmor-levelcheck [--route] [--measure] FILE...\n"
                 "       vexmor-levelcheck [--route] [--measure] --map OUT.png FILE\n"
                 "Checks that each level loads without a warning and that the player can reach "
                 "its time machine.\n"
                 "  --route        also print a way to the machine with the fewest era switches\n"
                 "  --measure      also print figures that tell whether the level asks for "
                 "thought\n"
                 "  --map OUT.png  also draw the level's floors in both eras, with the route, "
                 "as a PNG\n";
    return 2;
}

void printRoute(const Route& route) {
    std::cout << "  start at " << cellName(route.start.cell) << " in the "
              << eraName(route.start.era) << " era\n";
    Place at = route.start;
    for (const Transition& step : route.steps) {
        std::cout << "  " << describe(at, step) << '\n';
        at = step.to;
    }
    std::cout << "  use the time machine\n";
}

bool drawMap(const LevelReport& report, const LevelMeasures& measures, const std::string& out) {
    if (!report.layout) {
        std::cerr << "vexmor-levelcheck: no map drawn: the level does not load\n";
        return false;
    }
    const std::optional<Cell> start =
        report.start ? std::optional(report.start->cell) : std::nullopt;
    const std::string failure = writePng(LevelMap(*report.layout, start, measures).draw(), out);
    if (!failure.empty()) {
        std::cerr << "vexmor-levelcheck: can't write the map to " << out << ": " << failure << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bool showRoute = false;
    bool showMeasures = false;
    std::string mapFile;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--route") == 0) {
            showRoute = true;
        } else if (std::strcmp(argv[first], "--measure") == 0) {
            showMeasures = true;
        } else if (std::strcmp(argv[first], "--map") == 0 && first + 1 < argc) {
            mapFile = argv[++first];
        } else {
            break;
        }
    }
    // A map is of one level.
    if (first >= argc || (!mapFile.empty() && first + 1 != argc)) {
        return usage();
    }
    bool allPassed = true;
    for (int arg = first; arg < argc; ++arg) {
        const std::string file = argv[arg];
        const LevelReport report = checkLevel(file);
        for (const Finding& finding : report.findings) {
            std::cout << file;
            if (finding.line > 0) {
                std::cout << ':' << finding.line;
            }
            std::cout << (finding.severity == Finding::Severity::Error ? ": error: "
                                                                       : ": warning: ")
                      << finding.text << '\n';
        }
        std::cout << file << (report.passed() ? ": ok: " : ": FAILED: ") << report.verdict << '\n';
        if (showRoute && report.route) {
            printRoute(*report.route);
        }
        const bool measuring = showMeasures || !mapFile.empty();
        const LevelMeasures measures = measuring && report.layout && report.start
                                           ? measureLevel(*report.layout, *report.start)
                                           : LevelMeasures();
        if (showMeasures && report.start) {
            std::cout << file << ":\n";
            for (const std::string& line : figureLines(measures)) {
                std::cout << "  " << line << '\n';
            }
        }
        allPassed = allPassed && report.passed();
        if (!mapFile.empty() && !drawMap(report, measures, mapFile)) {
            return 1;
        }
    }
    return allPassed ? 0 : 1;
}
