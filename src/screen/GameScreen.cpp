#include "screen/GameScreen.h"

#include "app/RenderSettings.h"
#include "engine/GameObject.h"
#include "engine/RenderContext.h"
#include "hud/MenuOverlay.h"
#include "hud/TitleCard.h"
#include "hud/TitleOverlay.h"
#include "levelloader/LevelTitle.h"
#include "platform/ActiveInput.h"
#include "platform/Controls.h"
#include "screen/GameFlow.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"
#include "screen/OptionsMenu.h"
#include "screen/ScreenImage.h"

#include <iostream>

namespace Vexmor::screen {

namespace {

enum PauseItem { Resume = 1, Restart, Options, QuitToTitle, QuitGame };

} // namespace

GameScreen::GameScreen(LevelFactory makeLevel, ImageFactory makeWinningImage,
                       TitleFactory makeTitle)
    : levelListPath("levels\\levels.ini"), makeLevel(std::move(makeLevel)),
      makeWinningImage(std::move(makeWinningImage)), makeTitle(std::move(makeTitle)) {
    if (!this->makeLevel) {
        this->makeLevel = [](const std::string& levelFile, LevelChanger* changer) {
            return std::make_unique<LevelManager>(levelFile, changer);
        };
    }
    if (!this->makeWinningImage) {
        this->makeWinningImage = [] {
            return makeScreenImage(
                {"img\\winning.png", 2.0f, 2.0f, 0.0f, 0.0f, gameobject::ScreenFit::Scaled});
        };
    }
    if (!this->makeTitle) {
        this->makeTitle = [](const std::string& levelLine, const std::string& title) {
            return std::make_unique<hud::TitleOverlay>(levelLine, title);
        };
    }
    makeMenuView = [] { return std::make_unique<hud::MenuOverlay>(); };
}

GameScreen::~GameScreen() = default;

void GameScreen::playOnly(std::string levelFile) {
    onlyLevel = std::move(levelFile);
}

void GameScreen::init() {
    std::cout << "Reading levels..." << std::flush;
    levels.clear();
    // Without a readable list the game has no levels and the window stays black.
    const LevelList::Reading list = onlyLevel.empty() ? LevelList::read(levelListPath)
                                                      : LevelList::Reading{{onlyLevel}, {}, {}};
    // A listed file that is missing still counts: the game stops there when it is reached.
    levelFiles = list.levelFiles;
    chapters = list.chapters;
    for (const std::string& levelFile : levelFiles) {
        levels.push_back(makeLevel(levelFile, this));
    }
    // The progress line is completed first, so each warning stands on a line of its own.
    std::cout << "done!" << std::endl;
    for (const std::string& warning : list.warnings) {
        std::cout << warning << std::endl;
    }
    winningImage = makeWinningImage();
    currentLevel = -1;
    requestedLevel = levels.empty() ? -1 : 0;
    std::vector<hud::MenuItem> items{{Resume, "Resume"}, {Restart, "Restart level"}};
    if (options != nullptr) {
        items.push_back({Options, "Options"});
    }
    items.push_back({QuitToTitle, "Quit to title"});
    items.push_back({QuitGame, "Quit game"});
    pauseMenu = hud::Menu("Paused", std::move(items));
    pauseMenu.setFooter("Esc resumes");
}

bool GameScreen::isWon() const {
    return requestedLevel >= static_cast<int>(levels.size());
}

bool GameScreen::holdsRenderScale() const {
    if (justLoaded || paused) {
        return true;
    }
    return currentLevel >= 0 && !isWon() &&
           levels[static_cast<std::size_t>(currentLevel)]->holdsRenderScale();
}

void GameScreen::load(int level) {
    if (currentLevel >= 0 && currentLevel < static_cast<int>(levels.size())) {
        levels[static_cast<std::size_t>(currentLevel)]->close();
    }
    currentLevel = level;
    levels[static_cast<std::size_t>(level)]->init();
    justLoaded = true;
}

void GameScreen::makeTitleCard() {
    title = makeTitle(
        hud::TitleCard::levelLine(currentLevel + 1, static_cast<int>(levels.size())),
        levelloader::LevelTitle::read(levelFiles[static_cast<std::size_t>(currentLevel)]));
}

void GameScreen::start(int level) {
    requestedLevel = level;
    paused = false;
    winningShown = false;
    if (backdrop && level == currentLevel) {
        // The level shown behind the title is played as it is, its view turned back.
        Screen& shown = *levels[static_cast<std::size_t>(currentLevel)];
        shown.turnView(-backdropTurn);
        shown.setPaused(false);
        makeTitleCard();
        levelSeconds = 0.0;
    }
    backdrop = false;
    backdropTurn = 0.0f;
    pauseKey.sample(platform::playActions(platform::activeInput()).pause);
}

void GameScreen::showBackdrop(int level, float degrees) {
    if (level < 0 || level >= static_cast<int>(levels.size())) {
        return;
    }
    justLoaded = false;
    if (!backdrop || level != currentLevel) {
        load(level);
        requestedLevel = level;
        backdrop = true;
        backdropTurn = 0.0f;
        title.reset();
        levels[static_cast<std::size_t>(level)]->setPaused(true);
    }
    levels[static_cast<std::size_t>(level)]->turnView(degrees);
    backdropTurn += degrees;
}

void GameScreen::renderBackdrop() {
    if (backdrop && currentLevel >= 0) {
        levels[static_cast<std::size_t>(currentLevel)]->render();
    }
}

void GameScreen::refreshMusic() {
    if ((paused || backdrop) && currentLevel >= 0 && !isWon()) {
        levels[static_cast<std::size_t>(currentLevel)]->setPaused(true);
    }
}

void GameScreen::pause() {
    if (paused || currentLevel < 0 || isWon() || requestedLevel != currentLevel) {
        return;
    }
    paused = true;
    showingOptions = false;
    pauseMenu.setEnabled(QuitToTitle, flow == nullptr || flow->hasTitle());
    pauseMenu.selectId(Resume);
    levels[static_cast<std::size_t>(currentLevel)]->setPaused(true);
    // After the level lets the mouse go: the pointer reappears where it was before the
    // capture, and that is no move to the item under it.
    menuKeys.sample(platform::activeInput());
}

void GameScreen::resume() {
    if (!paused) {
        return;
    }
    paused = false;
    pauseKey.sample(platform::playActions(platform::activeInput()).pause);
    levels[static_cast<std::size_t>(currentLevel)]->setPaused(false);
}

void GameScreen::restartLevel() {
    if (currentLevel < 0 || isWon()) {
        return;
    }
    paused = false;
    Screen& level = *levels[static_cast<std::size_t>(currentLevel)];
    level.close();
    level.init();
    justLoaded = true;
    levelSeconds = 0.0;
    makeTitleCard();
    pauseKey.sample(platform::playActions(platform::activeInput()).pause);
}

void GameScreen::choosePauseItem(int id) {
    switch (id) {
    case Resume:
        resume();
        break;
    case Restart:
        restartLevel();
        break;
    case Options:
        options->open();
        showingOptions = true;
        break;
    case QuitToTitle:
        if (flow != nullptr) {
            flow->showTitle();
        }
        break;
    case QuitGame:
        if (flow != nullptr) {
            flow->quitGame();
        }
        break;
    default:
        break;
    }
}

void GameScreen::updatePauseMenu(double seconds) {
    platform::Input& input = platform::activeInput();
    const hud::MenuCommands commands = menuKeys.read(input, seconds);
    const int pointed = menuView ? menuView->indexAt(commands.pointer) : -1;
    if (showingOptions) {
        showingOptions = !options->follow(commands, pointed);
        return;
    }
    const hud::MenuAction action = pauseMenu.follow(commands, pointed);
    if (action.kind == hud::MenuAction::Back) {
        resume();
    } else if (action.kind == hud::MenuAction::Accept) {
        choosePauseItem(action.id);
    }
}

void GameScreen::update(double seconds) {
    justLoaded = false;
    if (currentLevel < 0 && requestedLevel < 0) {
        return;
    }
    platform::Input& input = platform::activeInput();
    if (isWon()) {
        engine::RenderContext context;
        winningImage->render(context);
        // Keys held as the image appears do not send the player on.
        if (!winningShown) {
            winningShown = true;
            menuKeys.sample(input);
        }
        const hud::MenuCommands commands = menuKeys.read(input, seconds);
        if ((commands.accept || commands.back) && flow != nullptr) {
            flow->showTitle();
        }
        return;
    }
    if (requestedLevel != currentLevel) {
        backdrop = false;
        load(requestedLevel);
        levelSeconds = 0.0;
        levels[static_cast<std::size_t>(currentLevel)]->update(seconds);
        makeTitleCard();
        pauseKey.sample(platform::playActions(input).pause);
        return;
    }
    if (paused) {
        updatePauseMenu(seconds);
        return;
    }
    if (pauseKey.pressed(platform::playActions(input).pause)) {
        pause();
        return;
    }
    levelSeconds += seconds;
    levels[static_cast<std::size_t>(currentLevel)]->update(seconds);
    title->update(seconds);
}

void GameScreen::render() {
    if ((currentLevel < 0 && requestedLevel < 0) || isWon()) {
        return;
    }
    levels[static_cast<std::size_t>(currentLevel)]->render();
    // The help image hides the whole level, its title too.
    if (!app::renderSettings().showHelp) {
        engine::RenderContext empty;
        title->render(empty);
    }
    if (paused) {
        if (!menuView) {
            menuView = makeMenuView();
        }
        menuView->render(showingOptions ? options->menu() : pauseMenu, hud::MenuBackdrop::Dimmed);
    }
}

void GameScreen::close() {
    if (currentLevel >= 0 && currentLevel < static_cast<int>(levels.size())) {
        levels[static_cast<std::size_t>(currentLevel)]->close();
    }
    levels.clear();
    levelFiles.clear();
    winningImage.reset();
    title.reset();
    menuView.reset();
}

void GameScreen::nextLevel() {
    // Skipping further (a second call) finishes nothing more.
    if (requestedLevel == currentLevel && currentLevel >= 0 && !backdrop && onFinish) {
        onFinish(levelFiles[static_cast<std::size_t>(currentLevel)], levelSeconds);
    }
    requestedLevel += 1;
}

} // namespace Vexmor::screen
