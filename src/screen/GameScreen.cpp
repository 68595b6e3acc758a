#include "screen/GameScreen.h"

#include "app/RenderSettings.h"
#include "engine/GameObject.h"
#include "engine/RenderContext.h"
#include "hud/TitleCard.h"
#include "hud/TitleOverlay.h"
#include "levelloader/LevelTitle.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"
#include "screen/ScreenImage.h"

#include <iostream>

namespace Vexmor::screen {

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
}

GameScreen::~GameScreen() = default;

void GameScreen::init() {
    std::cout << "Reading levels..." << std::flush;
    levels.clear();
    // Without a readable list the game has no levels and the window stays black.
    const LevelList::Reading list = LevelList::read(levelListPath);
    // A listed file that is missing still counts: the game stops there when it is reached.
    levelFiles = list.levelFiles;
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
}

bool GameScreen::isWon() const {
    return requestedLevel >= static_cast<int>(levels.size());
}

bool GameScreen::holdsRenderScale() const {
    if (justLoaded) {
        return true;
    }
    return currentLevel >= 0 && !isWon() &&
           levels[static_cast<std::size_t>(currentLevel)]->holdsRenderScale();
}

void GameScreen::update(double seconds) {
    justLoaded = false;
    if (currentLevel < 0 && requestedLevel < 0) {
        return;
    }
    if (isWon()) {
        engine::RenderContext context;
        winningImage->render(context);
        return;
    }
    if (requestedLevel != currentLevel) {
        if (currentLevel >= 0) {
            levels[static_cast<std::size_t>(currentLevel)]->close();
        }
        Screen& next = *levels[static_cast<std::size_t>(requestedLevel)];
        currentLevel = requestedLevel;
        next.init();
        justLoaded = true;
        next.update(seconds);
        title = makeTitle(
            hud::TitleCard::levelLine(currentLevel + 1, static_cast<int>(levels.size())),
            levelloader::LevelTitle::read(levelFiles[static_cast<std::size_t>(currentLevel)]));
        return;
    }
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
}

void GameScreen::close() {
    if (currentLevel >= 0 && currentLevel < static_cast<int>(levels.size())) {
        levels[static_cast<std::size_t>(currentLevel)]->close();
    }
    levels.clear();
    levelFiles.clear();
    winningImage.reset();
    title.reset();
}

void GameScreen::nextLevel() {
    requestedLevel += 1;
}

} // namespace Vexmor::screen
