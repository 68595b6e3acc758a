#include "screen/GameScreen.h"

#include "platform/Paths.h"
#include "screen/LevelList.h"

#include <fstream>
#include <iostream>

namespace Vexmor::screen {

GameScreen::GameScreen() : levelListPath("levels\\levels.ini") {}

void GameScreen::init() {
    std::cout << "Reading levels..." << std::flush;
    levelPaths.clear();
    // A missing list is not reported: the game just has no levels.
    std::ifstream in(platform::hostPath(levelListPath));
    if (in) {
        levelPaths = LevelList::parse(in);
    }
    std::cout << "done!" << std::endl;
    // The level runtime does not exist yet, so the screen stays without levels.
    currentLevel = -1;
    requestedLevel = -1;
}

void GameScreen::close() {
    levelPaths.clear();
}

// Without levels nothing is updated or drawn: the window stays black.
void GameScreen::update(double /*seconds*/) {}

void GameScreen::render() {}

void GameScreen::nextLevel() {
    requestedLevel += 1;
}

} // namespace Vexmor::screen
