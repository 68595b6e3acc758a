#include "screen/LevelManager.h"

#include "app/RenderSettings.h"
#include "engine/OnePixelClip.h"
#include "gameobject/GUIElement.h"
#include "gameobject/Interactable.h"
#include "gameobject/LevelEnder.h"
#include "gameobject/Player.h"
#include "platform/ActiveInput.h"
#include "platform/Controls.h"
#include "screen/LevelEndManager.h"
#include "screen/ScreenImage.h"
#include "screen/TimeSwitcher.h"

#include <algorithm>
#include <iostream>

namespace Vexmor::screen {

namespace {

constexpr float maxFogDistance = 30.0f;
constexpr double lockSignShown = 1.0;

} // namespace

LevelManager::LevelManager(const std::string& levelFile, LevelChanger* levelChanger)
    : levelLoader(levelFile), levelChanger(levelChanger) {}

LevelManager::~LevelManager() = default;

void LevelManager::init() {
    std::cout << "Init Framebuffer..." << std::endl;
    lookingAtInteractable = false;
    showingOtherSideSign = false;
    lockSignSeconds = 0.0;
    paused = false;
    scene.createShadowMap();
    std::cout << "Init Framebuffer done!" << std::endl;
    scene.resetGround();

    std::cout << "Load Level from file..." << std::endl;
    scene.adopt(levelLoader.loadLevel());
    std::cout << "Load Level done!" << std::endl;

    levelEndManager = std::make_unique<LevelEndManager>(levelChanger);
    for (gameobject::LevelEnder* ender : scene.getLevelData().levelEnders) {
        ender->setLevelEndManager(levelEndManager.get());
    }

    std::cout << "Init Physic..." << std::flush;
    scene.createWorldsAndPlayer();
    std::cout << "done!" << std::endl;

    using gameobject::ScreenFit;
    interactIcon =
        makeScreenImage({"img\\interact.png", 0.1f, 0.1f, -0.05f, -0.55f, ScreenFit::Scaled});
    helpImage = makeScreenImage({"img\\VexmorHelp.png", 2.0f, 2.0f, 0.0f, 0.0f, ScreenFit::Scaled});
    lockSign = makeScreenImage({"img\\locked.png", 0.1f, 0.1f, -0.05f, -0.55f, ScreenFit::Scaled});
    // Four hints wide, its disc where the hint's is.
    otherSideSign =
        makeScreenImage({"img\\other_side.png", 0.4f, 0.1f, 0.1f, -0.55f, ScreenFit::Scaled});
    // 32 x 32 window pixels, one per texel, so its thin lines stay sharp.
    crosshair = makeScreenImage(
        {"img\\crosshair.png", 32.0f / 512.0f, 32.0f / 384.0f, 0.0f, 0.0f, ScreenFit::Pixels});
    scene.fillCullingScenes();

    // A key held while the level loads must not act in its first frame.
    platform::Input& input = platform::activeInput();
    const platform::PlayActions held = platform::playActions(input);
    switchEra.sample(held.switchEra);
    use.sample(held.use);
    input.disableCursor();
    input.setCursorPosition(platform::cursorHome);

    timeSwitcher = std::make_unique<TimeSwitcher>(maxFogDistance);
    timeSwitcher->addListener(this);
    warmUp();
    std::cout << "Level Initialisation done!" << std::endl;
}

void LevelManager::warmUp() {
    const engine::OnePixelClip clip;
    scene.warmUp();
    for (gameobject::GUIElement* image :
         {crosshair.get(), interactIcon.get(), lockSign.get(), otherSideSign.get()}) {
        drawScreenImage(*image, scene.frameContext());
    }
}

void LevelManager::close() {
    timeSwitcher.reset();
    scene.close();
    levelEndManager.reset();
    interactIcon.reset();
    helpImage.reset();
    lockSign.reset();
    otherSideSign.reset();
    crosshair.reset();
}

bool LevelManager::isBright() const {
    return timeSwitcher && timeSwitcher->isBright();
}

void LevelManager::update(double seconds) {
    const platform::PlayActions actions = platform::playActions(platform::activeInput());
    lookingAtInteractable = false;
    scene.updateObjects(isBright(), seconds);

    // Both presses are taken every frame, so one made while nothing can act does not act
    // later.
    const bool usePressed = use.pressed(actions.use);
    const bool switchPressed = switchEra.pressed(actions.switchEra);
    gameobject::Interactable* target = scene.interactableInReach(isBright());
    // A machine started before the flip would run on in the era left behind and never end
    // the level, so it is not offered while the era switches.
    if (timeSwitcher->isSwitching() && dynamic_cast<gameobject::LevelEnder*>(target) != nullptr) {
        target = nullptr;
    }
    // Once the machine runs, the level is over: its sequence plays out undisturbed.
    if (levelEndManager->levelEnding) {
        target = nullptr;
    }
    // Only the machine asks for another side, and it is not offered meanwhile either.
    showingOtherSideSign = target == nullptr && !timeSwitcher->isSwitching() &&
                           !levelEndManager->levelEnding &&
                           scene.interactableFromAnotherSide(isBright()) != nullptr;
    lockSignSeconds = std::max(0.0, lockSignSeconds - seconds);
    if (target != nullptr) {
        lookingAtInteractable = true;
        if (usePressed) {
            target->interact();
            if (target->refusedUse()) {
                lockSignSeconds = lockSignShown;
            }
        }
    }
    if (!levelEndManager->levelEnding && switchPressed) {
        timeSwitcher->startSwitch();
    }
    timeSwitcher->update(seconds);
    // A refused switch shows the padlock from the refusal until its fog has gone, so the
    // reason is still there when the view clears.
    if (timeSwitcher->isSwitching() && timeSwitcher->wasRefused()) {
        lockSignSeconds = lockSignShown;
    }
    scene.finishFrame(seconds, actions.lamp);
}

void LevelManager::setPaused(bool paused) {
    constexpr float pausedMusic = 0.3f;
    this->paused = paused;
    timeSwitcher->setMusicLevel(paused ? pausedMusic : 1.0f);
    platform::Input& input = platform::activeInput();
    if (paused) {
        input.enableCursor();
        return;
    }
    // The keys that closed the menu must not act in the level.
    const platform::PlayActions held = platform::playActions(input);
    switchEra.sample(held.switchEra);
    use.sample(held.use);
    input.disableCursor();
    input.setCursorPosition({400, 300});
}

void LevelManager::turnView(float degrees) {
    scene.getPlayer()->turnView(degrees);
    scene.followCamera();
}

bool LevelManager::holdsRenderScale() const {
    // The fog's frames cost more than the level's usual ones and last only five seconds.
    return timeSwitcher && timeSwitcher->isSwitching();
}

bool LevelManager::allowsTimeChange() {
    return scene.playerFitsIn(!isBright());
}

void LevelManager::timeChanged() {
    scene.movePlayerTo(timeSwitcher->isBright());
}

void LevelManager::render() {
    if (app::renderSettings().showHelp) {
        engine::RenderContext empty;
        drawScreenImage(*helpImage, empty);
        return;
    }
    scene.render(isBright(), timeSwitcher->isSwitching() ? timeSwitcher->getFogDistance() : -1.0f,
                 timeSwitcher->getFogTimer());
    // A menu stands over a paused level: the aim and its hints would only clutter it.
    if (paused) {
        return;
    }
    drawScreenImage(*crosshair, scene.frameContext());
    if (isShowingLockSign()) {
        drawScreenImage(*lockSign, scene.frameContext());
    } else if (lookingAtInteractable) {
        drawScreenImage(*interactIcon, scene.frameContext());
    } else if (showingOtherSideSign) {
        drawScreenImage(*otherSideSign, scene.frameContext());
    }
}

} // namespace Vexmor::screen
