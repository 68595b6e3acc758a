#pragma once

#include "engine/RenderContext.h"
#include "levelloader/LevelData.h"
#include "levelloader/LevelLoader.h"
#include "screen/Screen.h"
#include "screen/TimeChangeListener.h"

#include <glm/mat4x4.hpp>

#include <memory>
#include <string>

namespace Vexmor::engine::framebuffer {
class DepthbufferManager;
}
namespace Vexmor::gameobject {
class GUIElement;
class Player;
} // namespace Vexmor::gameobject
namespace Vexmor::physics {
class PhysicsWorld;
}

namespace Vexmor::screen {

class CullingScene;
class LevelChanger;
class LevelEndManager;
class TimeSwitcher;

// The screen that runs one level: loads it, keeps both eras' worlds, the player, the
// shadow map and the era switcher, plays it frame by frame and tears it down again.
class LevelManager : public Screen, public TimeChangeListener {
public:
    LevelManager(const std::string& levelFile, LevelChanger* levelChanger);
    ~LevelManager() override;

    void init() override;
    void close() override;
    void update(double seconds) override;
    void render() override;
    // Moves the player's body into the new era's world.
    void timeChanged() override;

    bool isBright() const;
    const TimeSwitcher* getTimeSwitcher() const { return timeSwitcher.get(); }
    gameobject::Player* getPlayer() const { return player.get(); }
    const LevelEndManager* getLevelEndManager() const { return levelEndManager.get(); }
    physics::PhysicsWorld* getWorld(bool bright) const;
    bool isLookingAtInteractable() const { return lookingAtInteractable; }
    const levelloader::ObjectList& getObjects(bool bright) const;
    const glm::mat4& getLightCamera() const { return lightCamera; }
    const glm::mat4& getProjection() const { return projection; }

private:
    void placeLight();
    void drawScene(engine::RenderContext& context);
    void shadowPass(const glm::mat4& lightView);
    void mainPass(const glm::mat4& lightView);

    levelloader::ObjectList darkObjects;
    levelloader::ObjectList brightObjects;
    glm::mat4 cameraTransform{1.0f};
    glm::mat4 projection;
    levelloader::LevelLoader levelLoader;
    std::unique_ptr<physics::PhysicsWorld> brightWorld;
    std::unique_ptr<physics::PhysicsWorld> darkWorld;
    std::unique_ptr<CullingScene> brightCullingScene;
    std::unique_ptr<engine::framebuffer::DepthbufferManager> depthBuffer;
    std::unique_ptr<CullingScene> darkCullingScene;
    levelloader::LevelData levelData;
    LevelChanger* levelChanger;
    std::unique_ptr<LevelEndManager> levelEndManager;
    glm::mat4 lightCamera{1.0f};
    double groundSampleTimer = 0.0;
    bool onGround = false;
    bool lookingAtInteractable = false;
    bool timeKeyWasDown = false;
    bool useKeyWasDown = false;
    std::unique_ptr<TimeSwitcher> timeSwitcher;
    std::unique_ptr<gameobject::Player> player;
    std::unique_ptr<gameobject::GUIElement> interactIcon;
    std::unique_ptr<gameobject::GUIElement> helpImage;
    levelloader::InteractableList darkInteractables;
    levelloader::InteractableList brightInteractables;

    // Reused every frame so drawing allocates nothing once the keys exist.
    engine::RenderContext shadowContext;
    engine::RenderContext mainContext;
};

} // namespace Vexmor::screen
