#include "screen/TitleScreen.h"

#include "engine/AnimationStep.h"
#include "hud/MenuOverlay.h"
#include "levelloader/LevelTitle.h"
#include "platform/ActiveInput.h"
#include "screen/GameFlow.h"
#include "screen/GameScreen.h"
#include "screen/OptionsMenu.h"

#include <cmath>
#include <cstdio>

namespace Vexmor::screen {

namespace {

enum MainItem { Continue = 1, NewGame, ChooseLevel, Options, Quit };
// Level lines of the level choice are this plus the level's index.
constexpr int firstLevelItem = 100;
constexpr float panDegreesPerSecond = 4.0f;

} // namespace

TitleScreen::TitleScreen(GameScreen& game, GameFlow& flow, RecordLookup records)
    : game(game), flow(flow), records(std::move(records)),
      readTitle([](const std::string& file) { return levelloader::LevelTitle::read(file); }),
      makeMenuView([] { return std::make_unique<hud::MenuOverlay>(); }) {}

TitleScreen::~TitleScreen() = default;

std::string TitleScreen::formatTime(double seconds) {
    const long whole = std::lround(std::max(0.0, seconds));
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

int TitleScreen::continueLevel() const {
    const std::vector<std::string>& files = game.getLevelFiles();
    bool anyFinished = false;
    int firstUnfinished = -1;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (records(files[i]).finished) {
            anyFinished = true;
        } else if (firstUnfinished < 0) {
            firstUnfinished = static_cast<int>(i);
        }
    }
    return anyFinished ? firstUnfinished : -1;
}

bool TitleScreen::isOpen(int level) const {
    const std::vector<std::string>& files = game.getLevelFiles();
    if (level < 0 || level >= static_cast<int>(files.size())) {
        return false;
    }
    for (int i = 0; i < level; ++i) {
        if (!records(files[static_cast<std::size_t>(i)]).finished) {
            return records(files[static_cast<std::size_t>(level)]).finished;
        }
    }
    return true;
}

void TitleScreen::buildMainMenu() {
    std::vector<hud::MenuItem> items;
    const int next = continueLevel();
    if (next >= 0) {
        const std::string& file = game.getLevelFiles()[static_cast<std::size_t>(next)];
        items.push_back(
            {Continue, "Continue", "Level " + std::to_string(next + 1) + ": " + readTitle(file)});
    }
    items.push_back({NewGame, "New game", "", game.levelCount() > 0});
    items.push_back({ChooseLevel, "Choose level", "", game.levelCount() > 0});
    if (options != nullptr) {
        items.push_back({Options, "Options"});
    }
    items.push_back({Quit, "Quit"});
    mainMenu = hud::Menu("Vexmor", std::move(items));
    mainMenu.setFooter("Enter chooses   Esc quits");
}

void TitleScreen::buildLevelMenu() {
    std::vector<hud::MenuItem> items;
    const std::vector<std::string>& files = game.getLevelFiles();
    const std::vector<LevelList::Chapter>& chapters = game.getChapters();
    auto chapter = chapters.begin();
    for (std::size_t i = 0; i < files.size(); ++i) {
        // Chapters head their levels; a heading is never selected.
        for (; chapter != chapters.end() && chapter->firstLevel == i; ++chapter) {
            items.push_back({-1, chapter->name, "", true, true});
        }
        const int index = static_cast<int>(i);
        const LevelRecord record = records(files[i]);
        const bool open = isOpen(index);
        std::string value = !open                ? "Locked"
                            : record.bestSeconds ? formatTime(*record.bestSeconds)
                            : record.finished    ? "Done"
                                                 : "";
        items.push_back({firstLevelItem + index,
                         std::to_string(index + 1) + "  " + readTitle(files[i]), value, open});
    }
    levelMenu = hud::Menu("Choose level", std::move(items));
    levelMenu.setFooter("Enter plays   Esc goes back");
    const int next = continueLevel();
    if (next >= 0) {
        levelMenu.selectId(firstLevelItem + next);
    }
}

void TitleScreen::init() {
    shown = Shown::Main;
    buildMainMenu();
    platform::Input& input = platform::activeInput();
    input.enableCursor();
    menuKeys.sample(input);
}

void TitleScreen::close() {
    menuView.reset();
}

const hud::Menu& TitleScreen::shownMenu() const {
    switch (shown) {
    case Shown::Levels:
        return levelMenu;
    case Shown::Options:
        return options->menu();
    case Shown::Main:
        break;
    }
    return mainMenu;
}

const hud::Menu& TitleScreen::currentMenu() const {
    return shownMenu();
}

void TitleScreen::chooseMain(int id) {
    switch (id) {
    case Continue:
        flow.playFrom(continueLevel());
        break;
    case NewGame:
        flow.playFrom(0);
        break;
    case ChooseLevel:
        buildLevelMenu();
        shown = Shown::Levels;
        break;
    case Options:
        options->open();
        shown = Shown::Options;
        break;
    case Quit:
        flow.quitGame();
        break;
    default:
        break;
    }
}

void TitleScreen::update(double seconds) {
    game.showBackdrop(std::max(0, continueLevel()),
                      panDegreesPerSecond * static_cast<float>(engine::animationStep(seconds)));
    // Loading a level takes the mouse; the menu needs it free.
    platform::Input& input = platform::activeInput();
    input.enableCursor();

    const hud::MenuCommands commands = menuKeys.read(input, seconds);
    const int pointed = menuView ? menuView->indexAt(commands.pointer) : -1;
    if (shown == Shown::Options) {
        if (options->follow(commands, pointed)) {
            shown = Shown::Main;
        }
        return;
    }
    hud::Menu& menu = shown == Shown::Levels ? levelMenu : mainMenu;
    const hud::MenuAction action = menu.follow(commands, pointed);
    if (action.kind == hud::MenuAction::Back) {
        if (shown == Shown::Levels) {
            shown = Shown::Main;
        } else {
            flow.quitGame();
        }
    } else if (action.kind == hud::MenuAction::Accept) {
        if (shown == Shown::Levels) {
            flow.playFrom(action.id - firstLevelItem);
        } else {
            chooseMain(action.id);
        }
    }
}

void TitleScreen::render() {
    game.renderBackdrop();
    if (!menuView) {
        menuView = makeMenuView();
    }
    menuView->render(shownMenu(), hud::MenuBackdrop::Clear);
}

} // namespace Vexmor::screen
