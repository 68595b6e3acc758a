#pragma once

#include "levelloader/LevelLoader.h"
#include "platform/PressTracker.h"
#include "screen/LevelScene.h"
#include "screen/Screen.h"
#include "screen/TimeChangeListener.h"

#include <memory>
#include <string>

namespace Vexmor::gameobject {
class GUIElement;
}

namespace Vexmor::screen {

class LevelChanger;
class LevelEndManager;
class TimeSwitcher;

// The screen that runs one level of the game: loads it, plays it with era switches, fog
// and music, and hands the game on to the next level once the time machine has run.
class LevelManager : public Screen, public TimeChangeListener {
public:
    LevelManager(const std::string& levelFile, LevelChanger* levelChanger);
    ~LevelManager() override;

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;
    bool holdsRenderScale() const override;
    void setPaused(bool paused) override;
    void turnView(float degrees) override;
    // No while the player stands where the other era has something solid; the padlock
    // then shows, as for a locked door.
    bool allowsTimeChange() override;
    // Moves the player's body into the new era's world.
    void timeChanged() override;

    bool isBright() const;
    bool isLookingAtInteractable() const { return lookingAtInteractable; }
    // A locked door was just tried: its sign stands in for the use hint a while.
    bool isShowingLockSign() const { return lockSignSeconds > 0.0; }
    // The player aims at the time machine from a side it is not used from, near enough to
    // use it from its own: a sign tells him to walk round.
    bool isShowingOtherSideSign() const { return showingOtherSideSign; }
    const LevelScene& getScene() const { return scene; }
    LevelScene& getScene() { return scene; }
    const TimeSwitcher* getTimeSwitcher() const { return timeSwitcher.get(); }
    const LevelEndManager* getLevelEndManager() const { return levelEndManager.get(); }

private:
    // Draws the level and its screen images once into a single pixel, so that its first
    // frames do not wait for a software rasteriser to build its code.
    void warmUp();

    LevelScene scene;
    levelloader::LevelLoader levelLoader;
    LevelChanger* levelChanger;
    std::unique_ptr<LevelEndManager> levelEndManager;
    bool lookingAtInteractable = false;
    bool showingOtherSideSign = false;
    platform::PressTracker switchEra;
    platform::PressTracker use;
    double lockSignSeconds = 0.0;
    bool paused = false;
    std::unique_ptr<TimeSwitcher> timeSwitcher;
    std::unique_ptr<gameobject::GUIElement> interactIcon;
    std::unique_ptr<gameobject::GUIElement> helpImage;
    std::unique_ptr<gameobject::GUIElement> lockSign;
    std::unique_ptr<gameobject::GUIElement> otherSideSign;
    std::unique_ptr<gameobject::GUIElement> crosshair;
};

} // namespace Vexmor::screen
