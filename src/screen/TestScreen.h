#pragma once

#include "levelloader/LevelLoader.h"
#include "platform/PressTracker.h"
#include "screen/LevelScene.h"
#include "screen/Screen.h"

#include <memory>
#include <string>

namespace Vexmor::gameobject {
class GUIElement;
}

namespace Vexmor::hud {
class TitleOverlay;
}

namespace Vexmor::screen {

// A development screen for "levels\testLevel.lvl": the level's building blocks without
// music, fog or a level end; T flips the era at once, and an indicator shows whether the
// player stands on the ground. The level's title shows at the start, alone: the level is
// not part of the level list. The shell creates it beside the game screen but runs the
// game screen.
class TestScreen : public Screen {
public:
    TestScreen();
    ~TestScreen() override;

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;

    const std::string& getLevelPath() const { return levelPath; }
    bool isBright() const { return bright; }
    const LevelScene& getScene() const { return scene; }

private:
    std::string levelPath;
    LevelScene scene;
    levelloader::LevelLoader levelLoader;
    bool bright = false;
    platform::PressTracker switchEra;
    platform::PressTracker use;
    std::unique_ptr<gameobject::GUIElement> onGroundIndicator;
    std::unique_ptr<hud::TitleOverlay> title;
};

} // namespace Vexmor::screen
