#include "Soak.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

using namespace Vexmor;

namespace {

constexpr int framesPerCycle = 60;
constexpr double allowedGrowth = 0.05;

int usage() {
    std::cerr << "usage: vexmor-soak [CYCLES]\n"
                 "Run in a data directory. Plays every level of levels\\levels.ini CYCLES times "
                 "(20 when not given)\nin one process and prints what each cycle leaves "
                 "behind; fails when bodies or GL objects\nare left over or resident memory "
                 "grows by more than 5 % from the first cycle to the last.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int cycles = 20;
    if (argc > 2 || (argc == 2 && (cycles = std::atoi(argv[1])) < 1)) {
        return usage();
    }
    const std::vector<std::string> levels = soak::listedLevels("levels\\levels.ini");
    if (levels.empty()) {
        std::cerr << "no levels in levels\\levels.ini: run this in a data directory\n";
        return usage();
    }
    platform::Window window;
    if (!soak::setUp(window)) {
        std::cerr << "no OpenGL 3.3 window: is there a display?\n";
        return 1;
    }

    bool clean = true;
    for (const std::string& level : levels) {
        std::vector<soak::Cycle> figures;
        for (int cycle = 1; cycle <= cycles; ++cycle) {
            std::ostringstream console;
            figures.push_back(soak::playOnce(level, framesPerCycle, console));
            std::cout << level << " cycle " << cycle << ": " << figures.back() << std::endl;
        }
        for (const std::string& problem : soak::leftovers(figures, allowedGrowth)) {
            std::cout << level << ": " << problem << std::endl;
            clean = false;
        }
    }
    soak::tearDown(window);
    std::cout << (clean ? "Nothing left over." : "Left over, see above.") << std::endl;
    return clean ? 0 : 1;
}
