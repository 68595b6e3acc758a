#pragma once

#include "engine/RenderContext.h"
#include "engine/framebuffer/SceneTarget.h"
#include "levelloader/LevelData.h"
#include "physics/Doorway.h"
#include "screen/ViewFrustum.h"

#include <glm/mat4x4.hpp>

#include <cstdint>
#include <memory>
#include <vector>

namespace Vexmor::engine::framebuffer {
class DepthbufferManager;
}
namespace Vexmor::gameobject {
class Interactable;
class Player;
} // namespace Vexmor::gameobject
namespace Vexmor::physics {
class PhysicsWorld;
}

namespace Vexmor::screen {

class CellVisibility;
class CullingScene;

// What every screen that plays a level holds: both eras' objects, bodies and worlds, the
// player, the shadow light and map, and the two rendering passes. The screens decide when
// the era changes and what happens around it.
class LevelScene {
public:
    LevelScene();
    ~LevelScene();
    LevelScene(const LevelScene&) = delete;
    LevelScene& operator=(const LevelScene&) = delete;

    // The shadow map; an incomplete framebuffer ends the game (status 6).
    void createShadowMap();
    // Resets the ground sampling for a new level.
    void resetGround();
    // Takes over the loaded level's objects, bodies and interactables.
    void adopt(levelloader::LevelData&& level);
    // Both worlds with the level's bodies, the player in the dark one.
    void createWorldsAndPlayer();
    void fillCullingScenes();

    void updateObjects(bool bright, double seconds);
    // Of the era's interactables that the player's reach point is in (or that he stands
    // against) and that he aims at, the one he aims at most directly, or null.
    gameobject::Interactable* interactableInReach(bool bright);
    // Of those he would reach from their use side but stands beside or behind, the one he
    // aims at most directly, or null.
    gameobject::Interactable* interactableFromAnotherSide(bool bright);
    // The rest of a frame once the screen has acted on its keys: both worlds step, then
    // the eye follows the body, the light follows the eye unless held, and the camera is
    // taken over for drawing. The player is pushed and the ground sampled in the
    // sub-steps, so neither follows the frame rate.
    void finishFrame(double seconds, bool lightHeld);
    // The eye and the lamp take the player's camera as it is, without a step.
    void followCamera();
    // Moves the player's body into the world of the era now shown.
    void movePlayerTo(bool bright);
    // Whether the player, where he stands, is clear of what the era has solid that the one
    // he is in has not: a stair or a shut door appearing around him would trap him or lift
    // him where no way leads.
    bool playerFitsIn(bool bright) const;

    // The shadow pass into the depth map, then the main pass into the window; a fog
    // distance of -1 means no fog.
    void render(bool bright, float fogDistance, float fogTimer);
    // Draws both eras through both passes, with and without fog, so that a software
    // rasteriser builds the code of every program and state the level's frames use now
    // and not in its first frames. The caller clips what it draws.
    void warmUp();
    // The main pass's values, for screen images drawn after it.
    engine::RenderContext& frameContext() { return mainContext; }

    // Releases everything, worlds before the bodies they held.
    void close();

    gameobject::Player* getPlayer() const { return player.get(); }
    physics::PhysicsWorld* getWorld(bool bright) const;
    const levelloader::ObjectList& getObjects(bool bright) const;
    const levelloader::LevelData& getLevelData() const { return levelData; }
    const glm::mat4& getLightCamera() const { return lightCamera; }
    // Where the frame is drawn from.
    const glm::mat4& getCameraTransform() const { return cameraTransform; }
    const glm::mat4& getProjection() const { return projection; }
    bool isOnGround() const { return onGround; }

private:
    // The projection, the culling and the aim take the framebuffer's aspect and the field
    // of view as they are now.
    void followView();
    gameobject::Interactable* aimedAt(bool bright, bool fromAnotherSide);
    // The light rides half a unit above the eye and looks 10 degrees further down.
    void placeLight();
    // Hands the last sample to the player, then samples ground contact every 0.05 s of
    // simulated time.
    void sampleGround(double seconds);
    // Through the culling scenes when culling is on, then also leaving out what the
    // camera cannot see into when `cells` is given.
    void drawScene(bool bright, engine::RenderContext& context,
                   const CellVisibility* cells = nullptr, bool castersOnly = false);
    void shadowPass(bool bright, const glm::mat4& lightView);
    // The main pass goes into the scaled target, or straight into the window.
    void bindMainTarget();
    void mainPass(bool bright, const glm::mat4& lightView, float fogDistance, float fogTimer);

    levelloader::ObjectList darkObjects;
    levelloader::ObjectList brightObjects;
    glm::mat4 cameraTransform{1.0f};
    ViewFrustum frustum;
    glm::mat4 projection;
    std::unique_ptr<physics::PhysicsWorld> brightWorld;
    std::unique_ptr<physics::PhysicsWorld> darkWorld;
    std::unique_ptr<CullingScene> brightCullingScene;
    std::unique_ptr<engine::framebuffer::DepthbufferManager> depthBuffer;
    engine::framebuffer::SceneTarget sceneTarget;
    int windowSamples = 0;
    bool throughTarget = false;
    std::unique_ptr<CullingScene> darkCullingScene;
    // What can cast a shadow a player sees: everything but the wall panels. The lamp rides
    // just above the eye, so walls hardly shade walls; the fast look leaves them out of the
    // shadow map.
    std::unique_ptr<CullingScene> brightCasters;
    std::unique_ptr<CullingScene> darkCasters;
    // Which cells the camera sees into, looked for again every main pass.
    std::unique_ptr<CellVisibility> cellVisibility;
    levelloader::LevelData levelData;
    glm::mat4 lightCamera{1.0f};
    double groundSampleTimer = 0.1;
    // The walls the player touches, gathered anew each sub-step.
    std::vector<physics::WallContact> wallContacts;
    bool onGround = false;
    std::unique_ptr<gameobject::Player> player;
    levelloader::InteractableList darkInteractables;
    levelloader::InteractableList brightInteractables;

    // Reused every frame so drawing allocates nothing once the keys exist.
    engine::RenderContext shadowContext;
    engine::RenderContext mainContext;
    // The main pass's values that the context points at.
    glm::mat4 view{1.0f};
    glm::mat4 inverseView{1.0f};
    glm::mat4 lightViewCopy{1.0f};
    std::uint32_t shadowMap = 0;
    glm::vec4 lightPosition{0.0f};
    glm::vec4 cameraPosition{0.0f};
    float frameFogDistance = -1.0f;
    float frameFogTimer = 0.0f;
    // Set while warming up: what is drawn instead of what the camera sees.
    const std::vector<engine::GameObject*>* warmUpObjects = nullptr;
};

} // namespace Vexmor::screen
