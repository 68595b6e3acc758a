#pragma once

#include "screen/LevelChanger.h"
#include "screen/Screen.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::engine {
class GameObject;
}

namespace Vexmor::screen {

// Plays the levels of "levels\levels.ini" one after another, then shows the winning
// image until the game is closed.
class GameScreen : public Screen, public LevelChanger {
public:
    using LevelFactory =
        std::function<std::unique_ptr<Screen>(const std::string& levelFile, LevelChanger* changer)>;
    using ImageFactory = std::function<std::unique_ptr<engine::GameObject>()>;
    // What names a level as it starts: its place in the list over its title.
    using TitleFactory = std::function<std::unique_ptr<engine::GameObject>(
        const std::string& levelLine, const std::string& title)>;

    // Levels are LevelManagers, the winning image a full-window picture and the title a
    // card across the top unless told otherwise.
    explicit GameScreen(LevelFactory makeLevel = {}, ImageFactory makeWinningImage = {},
                        TitleFactory makeTitle = {});
    ~GameScreen() override;

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;
    bool holdsRenderScale() const override;

    // Counted now, acted on in the next update; each call skips one level further.
    void nextLevel() override;

    int getCurrentLevel() const { return currentLevel; }
    int getRequestedLevel() const { return requestedLevel; }
    std::size_t levelCount() const { return levels.size(); }

private:
    bool isWon() const;

    std::vector<std::unique_ptr<Screen>> levels;
    std::vector<std::string> levelFiles;
    int currentLevel = -1;
    // -1 without levels; the number of levels once the last one is finished.
    int requestedLevel = -1;
    std::string levelListPath;
    // A level was loaded in the last update.
    bool justLoaded = false;
    std::unique_ptr<engine::GameObject> winningImage;
    // The running level's title; it counts its own time and hides when that is up.
    std::unique_ptr<engine::GameObject> title;
    LevelFactory makeLevel;
    ImageFactory makeWinningImage;
    TitleFactory makeTitle;
};

} // namespace Vexmor::screen
