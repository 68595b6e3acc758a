#include "screen/LevelManager.h"

#include "app/RenderSettings.h"
#include "engine/Degrees.h"
#include "engine/ShaderLibrary.h"
#include "engine/framebuffer/DepthbufferManager.h"
#include "gameobject/GUIElement.h"
#include "gameobject/Interactable.h"
#include "gameobject/LevelEnder.h"
#include "gameobject/Player.h"
#include "physics/GroundContact.h"
#include "physics/PhysicsWorld.h"
#include "platform/ActiveInput.h"
#include "platform/Console.h"
#include "screen/CullingScene.h"
#include "screen/LevelEndManager.h"
#include "screen/TimeSwitcher.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cmath>
#include <iostream>

namespace Vexmor::screen {

namespace {

constexpr float nearPlane = 0.1f;
constexpr float farPlane = 30.0f;
constexpr float aspect = 1.3333334f;
constexpr int windowWidth = 1024;
constexpr int windowHeight = 768;

float halfViewSlope() { return std::tan(engine::radians(22.5f)); }

// Screen images sit on top of everything and blend with what is behind them.
template <typename Draw>
void drawOverlay(Draw draw) {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    draw();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

} // namespace

LevelManager::LevelManager(const std::string& levelFile, LevelChanger* levelChanger)
    : levelLoader(levelFile), levelChanger(levelChanger) {
    const float top = halfViewSlope() * nearPlane;
    const float right = top * aspect;
    projection = glm::frustum(-right, right, -top, top, nearPlane, farPlane);
}

LevelManager::~LevelManager() = default;

void LevelManager::init() {
    std::cout << "Init Framebuffer..." << std::endl;
    depthBuffer = std::make_unique<engine::framebuffer::DepthbufferManager>();
    lookingAtInteractable = false;
    if (!depthBuffer->generate()) {
        std::cout << "Error while generating framebuffer!" << std::endl;
        platform::pause();
        platform::exitWith(platform::ExitStatus::Framebuffer);
    }
    std::cout << "Init Framebuffer done!" << std::endl;

    brightCullingScene = std::make_unique<CullingScene>();
    darkCullingScene = std::make_unique<CullingScene>();
    groundSampleTimer = 0.1;
    onGround = false;
    physics::setGroundContactSeen(false);

    std::cout << "Load Level from file..." << std::endl;
    levelData = levelLoader.loadLevel();
    std::cout << "Load Level done!" << std::endl;

    darkObjects = std::move(levelData.darkObjects);
    brightObjects = std::move(levelData.brightObjects);
    darkInteractables = levelData.darkInteractables;
    brightInteractables = levelData.brightInteractables;

    levelEndManager = std::make_unique<LevelEndManager>(levelChanger);
    for (gameobject::LevelEnder* ender : levelData.levelEnders) {
        ender->setLevelEndManager(levelEndManager.get());
    }

    std::cout << "Init Physic..." << std::flush;
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
    darkWorld->installGroundContactCallback();
    brightWorld->installGroundContactCallback();
    std::cout << "done!" << std::endl;

    interactIcon = std::make_unique<gameobject::GUIElement>(
        std::vector<gameobject::GUIState>{{"img\\interact.png", 0.1f, 0.1f, -0.05f, -0.55f}});
    helpImage = std::make_unique<gameobject::GUIElement>(
        std::vector<gameobject::GUIState>{{"img\\VexmorHelp.png", 2.0f, 2.0f, 0.0f, 0.0f}});

    for (const auto& object : darkObjects) {
        darkCullingScene->add(object.get());
    }
    for (const auto& object : brightObjects) {
        brightCullingScene->add(object.get());
    }

    // A key held while the level loads must not act in its first frame.
    platform::Input& input = platform::activeInput();
    timeKeyWasDown = input.isKeyDown('T');
    useKeyWasDown = input.isKeyDown('E');
    input.disableCursor();
    input.setCursorPosition({400, 300});

    timeSwitcher = std::make_unique<TimeSwitcher>(farPlane);
    timeSwitcher->addListener(this);
    std::cout << "Level Initialisation done!" << std::endl;
}

void LevelManager::close() {
    timeSwitcher.reset();
    brightWorld.reset();
    darkWorld.reset();
    levelEndManager.reset();
    brightCullingScene.reset();
    darkCullingScene.reset();
    darkObjects.clear();
    brightObjects.clear();
    player.reset();
    interactIcon.reset();
    helpImage.reset();
    levelData.darkBodies.clear();
    levelData.brightBodies.clear();
    // The shadow map goes with the level: nothing else uses it.
    depthBuffer.reset();
}

bool LevelManager::isBright() const { return timeSwitcher && timeSwitcher->isBright(); }

physics::PhysicsWorld* LevelManager::getWorld(bool bright) const {
    return bright ? brightWorld.get() : darkWorld.get();
}

const levelloader::ObjectList& LevelManager::getObjects(bool bright) const {
    return bright ? brightObjects : darkObjects;
}

void LevelManager::update(double seconds) {
    platform::Input& input = platform::activeInput();
    lookingAtInteractable = false;
    for (const auto& object : getObjects(isBright())) {
        if (object) {
            object->update(seconds);
        }
    }
    player->update(seconds);

    const glm::vec4 probe = player->getCameraMatrix() * glm::vec4(0.0f, 0.0f, -1.0f, 1.0f);
    const bool useDown = input.isKeyDown('E');
    for (gameobject::Interactable* interactable :
         isBright() ? brightInteractables : darkInteractables) {
        if (interactable->isInRange(glm::vec3(probe))) {
            lookingAtInteractable = true;
            if (!useKeyWasDown && useDown) {
                interactable->interact();
            }
            break;
        }
    }

    const bool timeDown = input.isKeyDown('T');
    if (!levelEndManager->levelEnding && !timeKeyWasDown && timeDown) {
        timeSwitcher->startSwitch();
    }
    timeSwitcher->update(seconds);

    if (!input.isKeyDown('L')) {
        placeLight();
    }
    cameraTransform = player->getCameraMatrix();
    timeKeyWasDown = timeDown;
    useKeyWasDown = useDown;

    player->setOnGround(onGround);
    groundSampleTimer -= seconds;
    if (groundSampleTimer < 0.0) {
        onGround = physics::groundContactSeen();
        physics::setGroundContactSeen(false);
        groundSampleTimer = 0.05;
    }
    brightWorld->stepSimulation(seconds);
    darkWorld->stepSimulation(seconds);
}

// The light rides half a unit above the eye and looks 10 degrees further down.
void LevelManager::placeLight() {
    const glm::mat4 lift = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.5f, 0.0f));
    const glm::mat4 tilt =
        glm::rotate(glm::mat4(1.0f), engine::radians(-10.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    lightCamera = lift * player->getCameraMatrix() * tilt;
}

void LevelManager::timeChanged() {
    if (timeSwitcher->isBright()) {
        darkWorld->removeRigidBody(player->getBody());
        brightWorld->addRigidBody(player->getBody());
    } else {
        brightWorld->removeRigidBody(player->getBody());
        darkWorld->addRigidBody(player->getBody());
    }
}

void LevelManager::render() {
    if (app::renderSettings().showHelp) {
        engine::RenderContext empty;
        drawOverlay([&] { helpImage->render(empty); });
        return;
    }
    const float t = halfViewSlope() * nearPlane;
    const glm::mat4 lightView =
        glm::frustum(-t, t, -t, t, nearPlane, farPlane) * glm::inverse(lightCamera);
    shadowPass(lightView);
    mainPass(lightView);
}

void LevelManager::drawScene(engine::RenderContext& context) {
    const bool bright = isBright();
    if (app::renderSettings().viewFrustumCulling) {
        (bright ? brightCullingScene : darkCullingScene)->draw(context);
        return;
    }
    for (const auto& object : getObjects(bright)) {
        if (object) {
            object->render(context);
        }
    }
}

void LevelManager::shadowPass(const glm::mat4& lightView) {
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
    drawScene(shadowContext);

    depthBuffer->unbind();
    glViewport(0, 0, windowWidth, windowHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.0f, 0.0f);
}

void LevelManager::mainPass(const glm::mat4& lightView) {
    const glm::mat4 view = projection * glm::inverse(cameraTransform);
    const glm::mat4 inverseView = glm::inverse(view);
    const GLuint shadowMap = depthBuffer->getTexture();
    const glm::vec4 lightPosition = lightCamera * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    const glm::vec4 cameraPosition = cameraTransform * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    const float fogDistance = timeSwitcher->isSwitching() ? timeSwitcher->getFogDistance() : -1.0f;
    const float fogTimer = timeSwitcher->getFogTimer();

    mainContext.set("viewTransform", glm::value_ptr(view));
    mainContext.set("inverseViewTransform", glm::value_ptr(inverseView));
    mainContext.set("cameraTransform", glm::value_ptr(cameraTransform));
    mainContext.set("shadowMap", &shadowMap);
    mainContext.set("lightViewTransform", glm::value_ptr(lightView));
    mainContext.set("lightPosition", glm::value_ptr(lightPosition));
    mainContext.set("fogDistance", &fogDistance);
    mainContext.set("cameraPosition", glm::value_ptr(cameraPosition));
    mainContext.set("fogTimer", &fogTimer);
    drawScene(mainContext);
    if (lookingAtInteractable) {
        drawOverlay([&] { interactIcon->render(mainContext); });
    }
}

} // namespace Vexmor::screen
