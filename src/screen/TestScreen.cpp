#include "screen/TestScreen.h"

#include "gameobject/GUIElement.h"
#include "gameobject/Interactable.h"
#include "hud/TitleOverlay.h"
#include "levelloader/LevelTitle.h"
#include "platform/ActiveInput.h"
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
    timeKeyWasDown = input.isKeyDown('T');
    useKeyWasDown = input.isKeyDown('E');
    input.disableCursor();
    input.setCursorPosition({400, 300});
}

void TestScreen::close() {
    scene.close();
    onGroundIndicator.reset();
    title.reset();
}

void TestScreen::update(double seconds) {
    platform::Input& input = platform::activeInput();
    scene.updateObjects(bright, seconds);

    const bool timeDown = input.isKeyDown('T');
    if (!timeKeyWasDown && timeDown) {
        bright = !bright;
        scene.movePlayerTo(bright);
    }
    const bool useDown = input.isKeyDown('E');
    if (!useKeyWasDown && useDown) {
        if (gameobject::Interactable* target = scene.interactableInReach(bright)) {
            target->interact();
        }
    }
    timeKeyWasDown = timeDown;
    useKeyWasDown = useDown;
    scene.finishFrame(seconds, input.isKeyDown('L'));
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
