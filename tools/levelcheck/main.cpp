#include "levelcheck/LevelCheck.h"
#include "levelcheck/LevelMeasures.h"

#include <cstring>
#include <iostream>

using namespace Vexmor::levelcheck;

namespace {

int usage() {
    std::cerr << "usage: vexmor-levelcheck [--route] [--measure] FILE...\n"
                 "Checks that each level loads without a warning and that the player can reach "
                 "its time machine.\n"
                 "  --route    also print a way to the machine with the fewest era switches\n"
                 "  --measure  also print figures that tell whether the level asks for thought\n";
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

} // namespace

int main(int argc, char** argv) {
    bool showRoute = false;
    bool showMeasures = false;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--route") == 0) {
            showRoute = true;
        } else if (std::strcmp(argv[first], "--measure") == 0) {
            showMeasures = true;
        } else {
            break;
        }
    }
    if (first >= argc) {
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
        if (showMeasures && report.layout && report.start) {
            std::cout << file << ":\n";
            for (const std::string& line :
                 figureLines(measureLevel(*report.layout, *report.start))) {
                std::cout << "  " << line << '\n';
            }
        }
        allPassed = allPassed && report.passed();
    }
    return allPassed ? 0 : 1;
}
