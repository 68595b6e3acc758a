#include "LevelObjectGl.h"
#include "common/CoutCapture.h"
#include "common/TextCount.h"

#include "app/RenderSettings.h"
#include "engine/Placement.h"
#include "gameobject/Door.h"
#include "gameobject/Player.h"
#include "gameobject/timemachine/TimeMachine.h"
#include "physics/PhysicsWorld.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelChanger.h"
#include "screen/LevelEndManager.h"
#include "screen/LevelManager.h"
#include "screen/TimeSwitcher.h"
#include "sound/SoundLibrary.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <glm/geometric.hpp>

using namespace Vexmor;
using screen::LevelManager;

namespace {

class CountingChanger : public screen::LevelChanger {
public:
    void nextLevel() override { ++requests; }
    int requests = 0;
};

// A door (reach 2) straight ahead of the start, a time machine round the corner.
const char* const levelText = "xDim 4\nyDim 3\nzDim 5\nplayer 1 1 2\n"
                              "air 1 1 2\nair 2 1 2\nair 2 1 3\n"
                              "door 1 1 1 0 0\nair 1 1 0\n"
                              "timemachine 1 1 3\n";

const char* const farReachObj = "v 0 0 2\nv 0 0.1 2\nv 0.1 0 2\nvt 0 0\nvn 0 0 1\n"
                                "f 1/1/1 3/1/1 2/1/1\n";

class LevelManagerGl : public LevelObjectGl {
protected:
    void SetUp() override {
        LevelObjectGl::SetUp();
        data->write("levels/test.lvl", levelText);
        data->write("models/door.obj", farReachObj);
        data->write("models/gui_plane.obj", cubeObj);
        for (const char* texture :
             {"default",       "Wall",        "WallDirty",   "FloorCeil",    "FloorCeilDirty",
              "door_texture",  "capsule_off", "capsule_on",  "lock_down_on", "lock_up_off",
              "lock_down_off", "lock_up_on",  "rotator_off", "rotator_on",   "chair",
              "use_plate",     "interact",    "VexmorHelp",  "locked",       "other_side",
              "crosshair"}) {
            data->writeCheckerPng(std::string("img/") + texture + ".png", 16, 0x806040, 0x405060);
        }
        platform::setActiveInput(&input);
        level = std::make_unique<LevelManager>("levels\\test.lvl", &changer);
    }

    void TearDown() override {
        if (initialised) {
            level->close();
        }
        level.reset();
        platform::setActiveInput(nullptr);
        sound::SoundLibrary::destroyInstance();
        app::renderSettings() = app::RenderSettings{};
        LevelObjectGl::TearDown();
    }

    std::string init() {
        CoutCapture capture;
        level->init();
        initialised = true;
        return capture.text();
    }

    // Returns what the frames printed.
    std::string frames(int count, double seconds = 1.0 / 60.0) {
        CoutCapture console;
        for (int i = 0; i < count; ++i) {
            level->update(seconds);
        }
        return console.text();
    }

    // A key held for one frame and then let go.
    std::string tap(int key) {
        input.press(key);
        std::string printed = frames(1);
        input.release(key);
        return printed + frames(1);
    }

    template <typename T> T* first(bool bright) const {
        for (const auto& object : level->getScene().getObjects(bright)) {
            if (auto* typed = dynamic_cast<T*>(object.get())) {
                return typed;
            }
        }
        return nullptr;
    }

    bool inWorld(bool bright) const {
        return level->getScene().getWorld(bright)->contains(
            level->getScene().getPlayer()->getBody());
    }

    platform::ScriptedInput input;
    CountingChanger changer;
    std::unique_ptr<LevelManager> level;
    bool initialised = false;
};

const std::string doorUsed = "Player interacted with door!\n";
const std::string machineUsed = "Player interacted with Timemachine!\n";

// The player starts in front of a time machine, within its reach.
const char* const machineLevelText = "xDim 4\nyDim 3\nzDim 4\nplayer 1.5 1 2\n"
                                     "air 2 1 1\nair 1 1 2\nair 2 1 2\n"
                                     "timemachine 1 1 1 0\n";

} // namespace

TEST_F(LevelManagerGl, InitReportsItsStepsAndBuildsBothEras) {
    const std::string log = init();
    std::size_t at = 0;
    for (const char* line :
         {"Init Framebuffer...\n", "Init Framebuffer done!\n", "Load Level from file...\n",
          "Load Level done!\n", "Init Physic...done!\n", "Level Initialisation done!\n"}) {
        const std::size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " in\n" << log;
        at = found;
    }
    EXPECT_FALSE(level->isBright());
    EXPECT_TRUE(inWorld(false));
    EXPECT_FALSE(inWorld(true));
    EXPECT_TRUE(input.isCursorDisabled());
    EXPECT_EQ(input.getCursorPosition(), glm::dvec2(400.0, 300.0));
    // Every named cell lets the sight through, in x, y, z order; the rock round them not.
    EXPECT_EQ(level->getScene().getLevelData().openCells,
              (std::vector<glm::ivec3>{
                  {1, 1, 0}, {1, 1, 1}, {1, 1, 2}, {1, 1, 3}, {2, 1, 2}, {2, 1, 3}}));

    level->close();
    initialised = false;
    EXPECT_EQ(level->getScene().getPlayer(), nullptr);
    EXPECT_EQ(level->getScene().getWorld(false), nullptr);
    EXPECT_TRUE(level->getScene().getObjects(false).empty());
    EXPECT_TRUE(level->getScene().getObjects(true).empty());
}

TEST_F(LevelManagerGl, TheEraKeyNeedsAFreshPressAndMovesThePlayerBetweenWorlds) {
    input.press('T');
    init();
    frames(1);
    EXPECT_FALSE(level->getTimeSwitcher()->isSwitching()) << "held while loading";
    input.release('T');
    frames(1);
    input.press('T');
    frames(1);
    EXPECT_TRUE(level->getTimeSwitcher()->isSwitching());
    frames(150); // 2.5 s: the flip
    EXPECT_TRUE(level->isBright());
    EXPECT_TRUE(inWorld(true));
    EXPECT_FALSE(inWorld(false));
    frames(160);
    EXPECT_FALSE(level->getTimeSwitcher()->isSwitching());
    EXPECT_TRUE(level->isBright()) << "holding T through the end starts nothing";
}

TEST_F(LevelManagerGl, TheUseKeyActsOnceOnTheInteractableInReach) {
    input.press('E');
    init();
    EXPECT_EQ(count(frames(5), doorUsed), 0) << "held while loading";
    EXPECT_TRUE(level->isLookingAtInteractable());
    auto* door = first<gameobject::Door>(false);
    ASSERT_NE(door, nullptr);
    input.release('E');
    frames(1);
    input.press('E');
    EXPECT_EQ(count(frames(5), doorUsed), 1) << "held for five frames";
    EXPECT_TRUE(door->isOpen());
    input.release('E');
    frames(1);
    input.press('E');
    EXPECT_EQ(count(frames(1), doorUsed), 1);
    EXPECT_FALSE(door->isOpen());
    EXPECT_FALSE(first<gameobject::Door>(true)->isOpen()) << "the other era's door is its own";
}

TEST_F(LevelManagerGl, TheLightFollowsTheEyeUnlessHeld) {
    init();
    frames(1);
    const glm::mat4 light = level->getScene().getLightCamera();
    EXPECT_NEAR(light[3].y - level->getScene().getPlayer()->getCamera().position.y, 0.5f, 1e-4f);
    input.press('L');
    input.setCursorPosition({300, 300});
    frames(1);
    EXPECT_EQ(level->getScene().getLightCamera(), light);
    input.release('L');
    frames(1);
    EXPECT_NE(level->getScene().getLightCamera(), light);
}

// A frame shows where its own physics step put the player, turned by its own mouse move:
// the eye, the light riding on it and the camera the frame is drawn from. The use key
// reaches along the view as turned in that frame.
TEST_F(LevelManagerGl, AFrameShowsTheBodyWhereItsOwnStepPutIt) {
    init();
    const screen::LevelScene& scene = level->getScene();
    gameobject::Player& player = *scene.getPlayer();
    // Where the simulation has the body, not where its motion state draws it.
    const auto bodyNow = [&] {
        const btVector3& origin = player.getBody()->getWorldTransform().getOrigin();
        return glm::vec3(origin.x(), origin.y(), origin.z());
    };
    const glm::vec3 up(0.0f, 0.5f, 0.0f);
    // The level starts with the body above the floor, so every step moves it.
    for (int frame = 1; frame <= 3; ++frame) {
        const glm::vec3 before = bodyNow();
        input.moveCursor({-20, 0});
        frames(1);
        const glm::vec3 after = bodyNow();
        ASSERT_LT(after.y, before.y - 1e-4f) << "falling in frame " << frame;

        engine::Placement expected;
        expected.position = after + up;
        expected.rotation.y = 10.0f * static_cast<float>(frame);
        expected.updateMatrix();
        EXPECT_TRUE(matricesNear(player.getCameraMatrix(), *expected.matrix)) << frame;
        EXPECT_EQ(scene.getCameraTransform(), player.getCameraMatrix()) << frame;
        const glm::vec3 light(scene.getLightCamera()[3]);
        EXPECT_LT(glm::length(light - (after + up + up)), 1e-5f) << frame;
    }

    // Turned away from the door ahead, then back in the frame that presses E.
    input.moveCursor({-120, 0});
    frames(1);
    EXPECT_FALSE(level->isLookingAtInteractable());
    input.moveCursor({180, 0});
    input.press('E');
    EXPECT_EQ(count(frames(1), doorUsed), 1);
}

TEST_F(LevelManagerGl, UsingTheTimeMachineEndsTheLevelAndBlocksEraSwitches) {
    init();
    auto* machine = first<gameobject::TimeMachine>(false);
    ASSERT_NE(machine, nullptr);
    {
        CoutCapture quiet;
        machine->interact();
    }
    EXPECT_TRUE(level->getLevelEndManager()->levelEnding);
    input.press('T');
    frames(1);
    EXPECT_FALSE(level->getTimeSwitcher()->isSwitching());
    frames(9 * 60);
    EXPECT_EQ(changer.requests, 0);
    frames(60);
    EXPECT_EQ(changer.requests, 1);
}

// Whichever comes first, the switch or the machine, using the machine once ends the level
// once, with the sequence running in the era the player sees.
TEST_F(LevelManagerGl, TheTimeMachineEndsTheLevelOnceWhateverTheOrderOfTheEraKey) {
    data->write("levels/machine.lvl", machineLevelText);
    level = std::make_unique<LevelManager>("levels\\machine.lvl", &changer);
    init();
    frames(1);
    ASSERT_TRUE(level->isLookingAtInteractable());

    tap('T');
    std::string printed;
    int hintFrames = 0;
    for (int frame = 0; level->getTimeSwitcher()->isSwitching(); ++frame) {
        if (frame % 2 == 0) {
            input.press('E');
        } else {
            input.release('E');
        }
        printed += frames(1);
        hintFrames += level->isLookingAtInteractable() ? 1 : 0;
    }
    input.release('E');
    frames(1);
    EXPECT_EQ(count(printed, machineUsed), 0) << "not offered while the era switches";
    EXPECT_EQ(hintFrames, 0);
    EXPECT_FALSE(level->getLevelEndManager()->levelEnding);
    ASSERT_TRUE(level->isBright());
    EXPECT_TRUE(level->isLookingAtInteractable());

    EXPECT_EQ(count(tap('E'), machineUsed), 1);
    EXPECT_TRUE(level->getLevelEndManager()->levelEnding);
    tap('T');
    EXPECT_FALSE(level->getTimeSwitcher()->isSwitching()) << "no switch once it runs";
    EXPECT_TRUE(first<gameobject::TimeMachine>(true)->isActivated());
    frames(9 * 60);
    EXPECT_EQ(changer.requests, 0) << "the sequence takes 9.5 s";
    frames(30);
    EXPECT_EQ(changer.requests, 1);
    frames(5 * 60);
    EXPECT_EQ(changer.requests, 1) << "exactly once";
}

TEST_F(LevelManagerGl, RendersShadowedFramesHelpAndWireframeWithoutGlErrors) {
    init();
    frames(2);
    auto litPixels = [] {
        std::vector<unsigned char> rgba(1024 * 768 * 4);
        glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            lit += (rgba[i] | rgba[i + 1] | rgba[i + 2]) != 0 ? 1 : 0;
        }
        return lit;
    };
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    for (bool culling : {true, false}) {
        app::renderSettings().viewFrustumCulling = culling;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        CoutCapture quiet;
        level->render();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_GT(litPixels(), 1000) << "culling " << culling;
    }
    app::renderSettings().showHelp = true;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    level->render();
    EXPECT_GT(litPixels(), 1024 * 768 / 2) << "the help image covers the window";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
