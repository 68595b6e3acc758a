#pragma once

#include "screen/LevelChanger.h"
#include "screen/Screen.h"

#include <string>
#include <vector>

namespace Vexmor::screen {

// Plays the levels of "levels\levels.ini" one after another.
class GameScreen : public Screen, public LevelChanger {
public:
    GameScreen();

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;

    void nextLevel() override;

    const std::vector<std::string>& getLevelPaths() const { return levelPaths; }
    int getCurrentLevel() const { return currentLevel; }
    int getRequestedLevel() const { return requestedLevel; }

private:
    // The level files named by the list, in play order.
    std::vector<std::string> levelPaths;
    int currentLevel = -1;
    // -1 while there is nothing to play.
    int requestedLevel = -1;
    std::string levelListPath;
};

} // namespace Vexmor::screen
