#include "levelcheck/LevelCheck.h"

#include <cstring>
#include <iostream>

using namespace Vexmor::levelcheck;

namespace {

int usage() {
    std::cerr << "usage: vexmor-levelcheck [--route] FILE...\n"
                 "Checks that each level loads without a warning and that the player can reach "
                 "its time machine.\n"
                 "  --route  also print a way to the machine with the fewest era switches\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool showRoute = false;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--route") == 0) {
        showRoute = true;
        first = 2;
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
            std::cout << "  start at " << cellName(report.route->start.cell) << " in the "
                      << eraName(report.route->start.era) << " era\n";
            Place at = report.route->start;
            for (const Transition& step : report.route->steps) {
                std::cout << "  " << describe(at, step) << '\n';
                at = step.to;
            }
            std::cout << "  use the time machine\n";
        }
        allPassed = allPassed && report.passed();
    }
    return allPassed ? 0 : 1;
}
