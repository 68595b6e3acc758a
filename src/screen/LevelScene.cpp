#include "screen/LevelScene.h"

#include "app/RenderSettings.h"
#include "engine/Degrees.h"
#include "engine/GameObject.h"
#include "engine/ShaderLibrary.h"
#include "engine/framebuffer/DepthbufferManager.h"
#include "gameobject/FloorEdge.h"
#include "gameobject/Interactable.h"
#include "gameobject/Player.h"
#include "gameobject/WallPanel.h"
#include "physics/GroundContact.h"
#include "physics/PhysicsWorld.h"
#include "platform/ActiveInput.h"
#include "platform/Console.h"
#include "screen/AimChoice.h"
#include "screen/CellVisibility.h"
#include "screen/CullingScene.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <set>
#include <string>
#include <utility>

namespace Vexmor::screen {

namespace {

bool castsShadow(const engine::GameObject* object) {
    return dynamic_cast<const gameobject::WallPanel*>(object) == nullptr &&
           dynamic_cast<const gameobject::FloorEdge*>(object) == nullptr;
}

} // namespace

LevelScene::LevelScene() : projection(frustum.projection()) {}

// The members would go in reverse order of declaration, the bodies before the worlds that
// still hold them; close releases them in an order that is safe.
LevelScene::~LevelScene() {
    close();
}

void LevelScene::createShadowMap() {
    // The window's own samples, which the scaled target copies.
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glGetIntegerv(GL_SAMPLES, &windowSamples);
    depthBuffer = std::make_unique<engine::framebuffer::DepthbufferManager>();
    if (!depthBuffer->generate()) {
        std::cout << "Error while generating framebuffer!" << std::endl;
        platform::pause();
        platform::exitWith(platform::ExitStatus::Framebuffer);
    }
}

void LevelScene::resetGround() {
    for (std::unique_ptr<CullingScene>* scene :
         {&brightCullingScene, &darkCullingScene, &brightCasters, &darkCasters}) {
        *scene = std::make_unique<CullingScene>();
        (*scene)->setFrustum(frustum);
    }
    groundSampleTimer = 0.1;
    onGround = false;
    physics::setGroundContactSeen(false);
}

void LevelScene::adopt(levelloader::LevelData&& level) {
    levelData = std::move(level);
    darkObjects = std::move(levelData.darkObjects);
    brightObjects = std::move(levelData.brightObjects);
    darkInteractables = levelData.darkInteractables;
    brightInteractables = levelData.brightInteractables;
    cellVisibility = std::make_unique<CellVisibility>(levelData.xDim, levelData.yDim,
                                                      levelData.zDim, levelData.openCells);
}

void LevelScene::createWorldsAndPlayer() {
    brightWorld = std::make_unique<physics::PhysicsWorld>();
    darkWorld = std::make_unique<physics::PhysicsWorld>();
    for (const auto& body : levelData.brightBodies) {
        brightWorld->addRigidBody(body->get());
    }
    for (const auto& body : levelData.darkBodies) {
        darkWorld->addRigidBody(body->get());
    }
    player = std::make_unique<gameobject::Player>(levelData.playerStart, platform::activeInput());
    darkWorld->addRigidBody(player->getBody());
    for (physics::PhysicsWorld* world : {darkWorld.get(), brightWorld.get()}) {
        world->installGroundContactCallback();
        // Only the world that holds the player moves him.
        world->setPreTickAction([this, world](float step) {
            if (world->contains(player->getBody())) {
                world->collectWallContacts(player->getBody(), wallContacts);
                player->tick(step, wallContacts);
                sampleGround(step);
            }
        });
    }
}

void LevelScene::fillCullingScenes() {
    for (const auto& object : darkObjects) {
        darkCullingScene->add(object.get());
        if (castsShadow(object.get())) {
            darkCasters->add(object.get());
        }
    }
    for (const auto& object : brightObjects) {
        brightCullingScene->add(object.get());
        if (castsShadow(object.get())) {
            brightCasters->add(object.get());
        }
    }
}

physics::PhysicsWorld* LevelScene::getWorld(bool bright) const {
    return bright ? brightWorld.get() : darkWorld.get();
}

const levelloader::ObjectList& LevelScene::getObjects(bool bright) const {
    return bright ? brightObjects : darkObjects;
}

void LevelScene::updateObjects(bool bright, double seconds) {
    for (const auto& object : getObjects(bright)) {
        if (object) {
            object->update(seconds);
        }
    }
    player->update(seconds);
}

gameobject::Interactable* LevelScene::interactableInReach(bool bright) {
    return aimedAt(bright, false);
}

gameobject::Interactable* LevelScene::interactableFromAnotherSide(bool bright) {
    return aimedAt(bright, true);
}

gameobject::Interactable* LevelScene::aimedAt(bool bright, bool fromAnotherSide) {
    followView();
    const glm::mat4& camera = player->getCameraMatrix();
    const glm::vec3 eye(camera[3]);
    const glm::vec3 probe(camera * glm::vec4(0.0f, 0.0f, -1.0f, 1.0f));
    AimChoice aim(camera, frustum);
    gameobject::Interactable* chosen = nullptr;
    for (gameobject::Interactable* interactable :
         bright ? brightInteractables : darkInteractables) {
        const bool counts = fromAnotherSide
                                ? interactable->wantsOtherSide(eye, probe)
                                : interactable->isInRange(probe) || interactable->isAgainst(eye);
        if (counts && aim.offer(interactable->getAimArea())) {
            chosen = interactable;
        }
    }
    return chosen;
}

void LevelScene::placeLight() {
    const glm::mat4 lift = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.5f, 0.0f));
    const glm::mat4 tilt =
        glm::rotate(glm::mat4(1.0f), engine::radians(-10.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    lightCamera = lift * player->getCameraMatrix() * tilt;
}

void LevelScene::finishFrame(double seconds, bool lightHeld) {
    brightWorld->stepSimulation(seconds);
    darkWorld->stepSimulation(seconds);
    // Taken after the step: the frame shows where the body is now, not a step behind.
    player->followBody();
    if (!lightHeld) {
        placeLight();
    }
    cameraTransform = player->getCameraMatrix();
}

void LevelScene::followCamera() {
    placeLight();
    cameraTransform = player->getCameraMatrix();
}

void LevelScene::sampleGround(double seconds) {
    player->setOnGround(onGround);
    groundSampleTimer -= seconds;
    if (groundSampleTimer < 0.0) {
        onGround = physics::groundContactSeen();
        physics::setGroundContactSeen(false);
        groundSampleTimer = 0.05;
    }
}

void LevelScene::movePlayerTo(bool bright) {
    getWorld(!bright)->removeRigidBody(player->getBody());
    getWorld(bright)->addRigidBody(player->getBody());
    // A body at rest sleeps, and a new world does not wake it: without this it would hang
    // where the new era has nothing under it.
    player->getBody()->activate();
}

bool LevelScene::playerFitsIn(bool bright) const {
    // The rock is the same in both eras, so only what reaches deeper than here counts; a
    // resting contact sinks in by a few millimetres.
    constexpr btScalar tolerance = 0.02f;
    btRigidBody* body = player->getBody();
    return getWorld(bright)->deepestFixedOverlap(body) <=
           getWorld(!bright)->deepestFixedOverlap(body) + tolerance;
}

void LevelScene::followView() {
    const app::RenderSettings& settings = app::renderSettings();
    const float aspect =
        ViewFrustum::aspectOf(settings.framebufferWidth, settings.framebufferHeight);
    if (aspect == frustum.getAspect() &&
        settings.fieldOfViewDegrees == frustum.getFieldOfViewDegrees()) {
        return;
    }
    frustum = ViewFrustum(aspect, settings.fieldOfViewDegrees);
    projection = frustum.projection();
    for (CullingScene* scene : {brightCullingScene.get(), darkCullingScene.get(),
                                brightCasters.get(), darkCasters.get()}) {
        if (scene != nullptr) {
            scene->setFrustum(frustum);
        }
    }
}

void LevelScene::render(bool bright, float fogDistance, float fogTimer) {
    followView();
    const glm::mat4 lightView = ViewFrustum::lightProjection() * glm::inverse(lightCamera);
    shadowPass(bright, lightView);
    mainPass(bright, lightView, fogDistance, fogTimer);
}

void LevelScene::warmUp() {
    placeLight();
    cameraTransform = player->getCameraMatrix();
    for (const bool bright : {false, true}) {
        // One object of each model and texture builds what all their draws need; objects
        // made of parts (no model of their own) are drawn whole.
        std::vector<engine::GameObject*> sample;
        std::set<std::pair<const engine::Model*, std::string>> seen;
        for (const auto& object : getObjects(bright)) {
            if (object && (object->getModel() == nullptr ||
                           seen.emplace(object->getModel(), object->getTexture()).second)) {
                sample.push_back(object.get());
            }
        }
        warmUpObjects = &sample;
        for (const float fogDistance : {-1.0f, ViewFrustum::farDistance}) {
            render(bright, fogDistance, 0.0f);
        }
    }
    warmUpObjects = nullptr;
}

void LevelScene::drawScene(bool bright, engine::RenderContext& context, const CellVisibility* cells,
                           bool castersOnly) {
    if (warmUpObjects != nullptr) {
        for (engine::GameObject* object : *warmUpObjects) {
            object->render(context);
        }
        return;
    }
    if (app::renderSettings().viewFrustumCulling) {
        if (castersOnly) {
            (bright ? brightCasters : darkCasters)->draw(context, cells);
        } else {
            (bright ? brightCullingScene : darkCullingScene)->draw(context, cells);
        }
        return;
    }
    for (const auto& object : getObjects(bright)) {
        if (object && (!castersOnly || castsShadow(object.get()))) {
            object->render(context);
        }
    }
}

void LevelScene::shadowPass(bool bright, const glm::mat4& lightView) {
    depthBuffer->bind();
    glViewport(0, 0, depthBuffer->getWidth(), depthBuffer->getHeight());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 5.0f);

    const glm::mat4 inverseLightView = glm::inverse(lightView);
    shadowContext.set("viewTransform", glm::value_ptr(lightView));
    shadowContext.set("inverseViewTransform", glm::value_ptr(inverseLightView));
    shadowContext.set("cameraTransform", glm::value_ptr(lightCamera));
    shadowContext.programOverride = engine::ShaderLibrary::getInstance().depthTestProgram.get();
    drawScene(bright, shadowContext, nullptr, app::renderSettings().fastLook);

    depthBuffer->unbind();
    bindMainTarget();
    // Stencil too, though nothing uses it: then the packed depth-stencil samples are simply
    // filled, where clearing depth alone makes a software rasteriser keep every sample's
    // stencil bits (a third of a frame on llvmpipe).
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.0f, 0.0f);
}

void LevelScene::bindMainTarget() {
    const app::RenderSettings& settings = app::renderSettings();
    const glm::ivec2 window(settings.framebufferWidth, settings.framebufferHeight);
    // At full scale the window is drawn into straight: a target would only add a copy (and
    // with samples a resolve).
    throughTarget = settings.renderScale < 1.0f &&
                    sceneTarget.bind(engine::framebuffer::SceneTarget::scaledSize(
                                         window, std::clamp(settings.renderScale, 0.0f, 1.0f)),
                                     windowSamples);
    if (!throughTarget) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(0, 0, window.x, window.y);
    }
}

void LevelScene::mainPass(bool bright, const glm::mat4& lightView, float fogDistance,
                          float fogTimer) {
    // Kept in members: the context points at them until the screen's images are drawn.
    view = projection * glm::inverse(cameraTransform);
    inverseView = glm::inverse(view);
    lightViewCopy = lightView;
    shadowMap = depthBuffer->getTexture();
    lightPosition = lightCamera * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    cameraPosition = cameraTransform * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    frameFogDistance = fogDistance;
    frameFogTimer = fogTimer;

    mainContext.set("viewTransform", glm::value_ptr(view));
    mainContext.set("inverseViewTransform", glm::value_ptr(inverseView));
    mainContext.set("cameraTransform", glm::value_ptr(cameraTransform));
    mainContext.set("shadowMap", &shadowMap);
    mainContext.set("lightViewTransform", glm::value_ptr(lightViewCopy));
    mainContext.set("lightPosition", glm::value_ptr(lightPosition));
    mainContext.set("fogDistance", &frameFogDistance);
    mainContext.set("cameraPosition", glm::value_ptr(cameraPosition));
    mainContext.set("fogTimer", &frameFogTimer);
    // Outside a switch the level draws with the shader built without fog.
    const engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    mainContext.replaced = shaders.materialShadowTextureProgram.get();
    mainContext.replacement =
        fogDistance < 0.0f ? shaders.materialShadowTextureFoglessProgram.get() : nullptr;
    // Without culling everything is drawn anyway, and the warm-up draws its own list, so
    // there is nothing to look for; in wireframe the walls hide nothing, so what lies
    // behind rock is drawn as well.
    const app::RenderSettings& settings = app::renderSettings();
    CellVisibility* cells =
        settings.viewFrustumCulling && !settings.wireframeMode && warmUpObjects == nullptr
            ? cellVisibility.get()
            : nullptr;
    if (cells != nullptr) {
        cells->lookFrom(cameraTransform, frustum);
    }
    drawScene(bright, mainContext, cells);
    if (throughTarget) {
        sceneTarget.present({settings.framebufferWidth, settings.framebufferHeight});
    }
}

void LevelScene::close() {
    brightWorld.reset();
    darkWorld.reset();
    brightCullingScene.reset();
    darkCullingScene.reset();
    brightCasters.reset();
    darkCasters.reset();
    cellVisibility.reset();
    darkObjects.clear();
    brightObjects.clear();
    player.reset();
    levelData.darkBodies.clear();
    levelData.brightBodies.clear();
    // The shadow map goes with the level: nothing else uses it.
    depthBuffer.reset();
    sceneTarget.release();
}

} // namespace Vexmor::screen
