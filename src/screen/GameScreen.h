#pragma once

#include "hud/Menu.h"
#include "platform/PressTracker.h"
#include "screen/LevelChanger.h"
#include "screen/LevelList.h"
#include "screen/MenuKeys.h"
#include "screen/Screen.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::engine {
class GameObject;
}

namespace Vexmor::hud {
class MenuView;
}

namespace Vexmor::screen {

class GameFlow;
class OptionsMenu;

// Plays the levels of a level list one after another from a given level, with a pause
// menu, then shows the winning image until the player goes back to the title.
class GameScreen : public Screen, public LevelChanger {
public:
    using LevelFactory =
        std::function<std::unique_ptr<Screen>(const std::string& levelFile, LevelChanger* changer)>;
    using ImageFactory = std::function<std::unique_ptr<engine::GameObject>()>;
    // What names a level as it starts: its place in the list over its title.
    using TitleFactory = std::function<std::unique_ptr<engine::GameObject>(
        const std::string& levelLine, const std::string& title)>;
    // Told the level's line in the list and the seconds it was played (pauses left out)
    // when a level is finished.
    using FinishListener = std::function<void(const std::string& levelLine, double seconds)>;
    using MenuViewFactory = std::function<std::unique_ptr<hud::MenuView>()>;

    // Levels are LevelManagers, the winning image a full-window picture and the title a
    // card across the top unless told otherwise. The list is "levels\levels.ini" unless
    // one level file is given.
    explicit GameScreen(LevelFactory makeLevel = {}, ImageFactory makeWinningImage = {},
                        TitleFactory makeTitle = {});
    ~GameScreen() override;

    // Plays only `levelFile`, as a list of that one level would.
    void playOnly(std::string levelFile);
    void setFlow(GameFlow* gameFlow) { flow = gameFlow; }
    void setFinishListener(FinishListener listener) { onFinish = std::move(listener); }
    // The pause menu is drawn over the window's GL context unless told otherwise.
    void setMenuViewFactory(MenuViewFactory factory) { makeMenuView = std::move(factory); }
    // Without options the pause menu has no Options line.
    void setOptions(OptionsMenu* menu) { options = menu; }
    // The level shown (paused or behind the title) takes the music volume again.
    void refreshMusic();

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;
    bool holdsRenderScale() const override;

    // Counted now, acted on in the next update; each call skips one level further.
    void nextLevel() override;

    // Plays from `level` on, keeping it if it is the one loaded (shown behind the title).
    void start(int level);
    // Loads `level` and turns its first view by `degrees`, unpaused and without playing it:
    // the title screen's backdrop.
    void showBackdrop(int level, float degrees);
    void renderBackdrop();
    void pause();
    void resume();
    // The running level as it was on arrival, with its title card.
    void restartLevel();
    bool isPaused() const { return paused; }

    int getCurrentLevel() const { return currentLevel; }
    int getRequestedLevel() const { return requestedLevel; }
    std::size_t levelCount() const { return levels.size(); }
    const std::vector<std::string>& getLevelFiles() const { return levelFiles; }
    const std::vector<LevelList::Chapter>& getChapters() const { return chapters; }
    const hud::Menu& getPauseMenu() const { return pauseMenu; }

private:
    bool isWon() const;
    // Closes the level shown and loads `level`.
    void load(int level);
    void makeTitleCard();
    void updatePauseMenu(double seconds);
    void choosePauseItem(int id);

    std::vector<std::unique_ptr<Screen>> levels;
    std::vector<std::string> levelFiles;
    std::vector<LevelList::Chapter> chapters;
    int currentLevel = -1;
    // -1 without levels; the number of levels once the last one is finished.
    int requestedLevel = -1;
    std::string levelListPath;
    // Set when one level file is played without a list.
    std::string onlyLevel;
    // A level was loaded in the last update.
    bool justLoaded = false;
    // The loaded level only shows behind the title: it is not played.
    bool backdrop = false;
    float backdropTurn = 0.0f;
    bool paused = false;
    bool winningShown = false;
    platform::PressTracker pauseKey;
    double levelSeconds = 0.0;
    hud::Menu pauseMenu;
    MenuKeys menuKeys;
    std::unique_ptr<hud::MenuView> menuView;
    MenuViewFactory makeMenuView;
    std::unique_ptr<engine::GameObject> winningImage;
    // The running level's title; it counts its own time and hides when that is up.
    std::unique_ptr<engine::GameObject> title;
    LevelFactory makeLevel;
    ImageFactory makeWinningImage;
    TitleFactory makeTitle;
    GameFlow* flow = nullptr;
    OptionsMenu* options = nullptr;
    bool showingOptions = false;
    FinishListener onFinish;
};

} // namespace Vexmor::screen
