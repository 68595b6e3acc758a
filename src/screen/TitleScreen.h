#pragma once

#include "hud/Menu.h"
#include "screen/MenuKeys.h"
#include "screen/Screen.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Vexmor::hud {
class MenuView;
}

namespace Vexmor::screen {

class GameFlow;
class GameScreen;
class OptionsMenu;

// What the player has done in a level, as the title screen shows it.
struct LevelRecord {
    bool finished = false;
    std::optional<double> bestSeconds;
};

// The game's name over a slow pan through the level to be continued, with the menu that
// starts play: continue, a new game, a chosen level, or quit.
class TitleScreen : public Screen {
public:
    using RecordLookup = std::function<LevelRecord(const std::string& levelLine)>;
    using MenuViewFactory = std::function<std::unique_ptr<hud::MenuView>()>;
    using TitleLookup = std::function<std::string(const std::string& levelFile)>;

    // `game` has read its level list; `records` tells what was finished.
    TitleScreen(GameScreen& game, GameFlow& flow, RecordLookup records);
    ~TitleScreen() override;

    void setMenuViewFactory(MenuViewFactory factory) { makeMenuView = std::move(factory); }
    // Level titles are read from the level files unless told otherwise.
    void setTitleLookup(TitleLookup lookup) { readTitle = std::move(lookup); }
    // Without options the main menu has no Options line.
    void setOptions(OptionsMenu* menu) { options = menu; }

    // Shows the main menu, its first line selected, the mouse free.
    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;

    // The level Continue plays: the first unfinished one; -1 before any is finished or
    // after all are.
    int continueLevel() const;
    // Finished levels and the first unfinished one.
    bool isOpen(int level) const;
    const hud::Menu& currentMenu() const;
    bool isChoosingLevel() const { return shown == Shown::Levels; }

    // "1:05" for 65.2 seconds.
    static std::string formatTime(double seconds);

private:
    void buildMainMenu();
    void buildLevelMenu();
    void chooseMain(int id);
    const hud::Menu& shownMenu() const;

    GameScreen& game;
    GameFlow& flow;
    RecordLookup records;
    TitleLookup readTitle;
    MenuViewFactory makeMenuView;
    std::unique_ptr<hud::MenuView> menuView;
    hud::Menu mainMenu;
    hud::Menu levelMenu;
    enum class Shown { Main, Levels, Options };
    Shown shown = Shown::Main;
    OptionsMenu* options = nullptr;
    MenuKeys menuKeys;
};

} // namespace Vexmor::screen
