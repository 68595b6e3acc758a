#include "screen/TestScreen.h"

#include "gameobject/GUIElement.h"
#include "gameobject/Interactable.h"
#include "hud/TitleOverlay.h"
#include "levelloader/LevelTitle.h"
#include "platform/ActiveInput.h"
#include "platform/Controls.h"
#include "screen/ScreenImage.h"

namespace Vexmor::screen {

TestScreen::TestScreen() : levelPath("levels\\testLevel.lvl"), levelLoader(levelPath) {}

TestScreen::~TestScreen() = default;

void TestScreen::init() {
    scene.createShadowMap();
    scene.resetGround();
    scene.adopt(levelLoader.loadLevel());
    scene.createWorldsAndPlayer();
    scene.fillCullingScenes();
    onGroundIndicator = makeScreenImage({"img\\OnGround.png", 0.25f, 0.075f, -0.85f, 0.9f});
    title = std::make_unique<hud::TitleOverlay>("", levelloader::LevelTitle::read(levelPath));

    platform::Input& input = platform::activeInput();
    const platform::PlayActions held = platform::playActions(input);
    switchEra.sample(held.switchEra);
    use.sample(held.use);
    input.disableCursor();
    input.setCursorPosition(platform::cursorHome);
}

void TestScreen::close() {
    scene.close();
    onGroundIndicator.reset();
    title.reset();
}

void TestScreen::update(double seconds) {
    const platform::PlayActions actions = platform::playActions(platform::activeInput());
    scene.updateObjects(bright, seconds);

    if (switchEra.pressed(actions.switchEra)) {
        bright = !bright;
        scene.movePlayerTo(bright);
    }
    if (use.pressed(actions.use)) {
        if (gameobject::Interactable* target = scene.interactableInReach(bright)) {
            target->interact();
        }
    }
    scene.finishFrame(seconds, actions.lamp);
    title->update(seconds);
}

void TestScreen::render() {
    scene.render(bright, -1.0f, 0.0f);
    if (scene.isOnGround()) {
        drawScreenImage(*onGroundIndicator, scene.frameContext());
    }
    title->render(scene.frameContext());
}

} // namespace Vexmor::screen
