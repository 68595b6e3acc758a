#include "GlDataDirectory.h"

#include "Soak.h"
#include "common/CoutCapture.h"

#include "gameobject/Player.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/GameScreen.h"
#include "screen/LevelManager.h"
#include "screen/TimeSwitcher.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

using namespace Vexmor;
namespace fs = std::filesystem;

namespace {

// Everything of a running level that time moves on.
struct Moment {
    std::array<btScalar, 16> body{};
    btVector3 velocity;
    float switchProgress = 0.0f;
    float fogTimer = 0.0f;

    static Moment of(const screen::LevelManager& level) {
        Moment moment;
        btRigidBody* body = level.getScene().getPlayer()->getBody();
        body->getWorldTransform().getOpenGLMatrix(moment.body.data());
        moment.velocity = body->getLinearVelocity();
        moment.switchProgress = level.getTimeSwitcher()->getProgress();
        moment.fogTimer = level.getTimeSwitcher()->getFogTimer();
        return moment;
    }
    bool operator==(const Moment& other) const {
        return body == other.body && velocity == other.velocity &&
               switchProgress == other.switchProgress && fogTimer == other.fogTimer;
    }
};

class PauseGl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(soak::setUp(window)) << "no display for the GL tests";
        data = std::make_unique<GlDataDirectory>();
        for (const char* folder : {"levels", "models", "img", "sound"}) {
            fs::create_directory_symlink(fs::path(VEXMOR_DATA_DIR) / folder, data->path() / folder);
        }
        platform::setActiveInput(&input);
    }

    void TearDown() override {
        platform::setActiveInput(nullptr);
        data.reset();
        soak::tearDown(window);
    }

    platform::Window window;
    std::unique_ptr<GlDataDirectory> data;
    platform::ScriptedInput input;
};

} // namespace

// Paused while walking in the middle of an era switch, a level advanced a hundred frames
// has its body, its speed and its switch exactly where they were.
TEST_F(PauseGl, APausedLevelStandsStillBitForBitAndGoesOnWhenResumed) {
    screen::LevelManager* first = nullptr;
    screen::GameScreen game([&first](const std::string& file, screen::LevelChanger* changer) {
        auto level = std::make_unique<screen::LevelManager>(file, changer);
        if (first == nullptr) {
            first = level.get();
        }
        return level;
    });
    CoutCapture quiet;
    game.init();
    game.start(0);
    input.press('W');
    for (int frame = 0; frame < 30; ++frame) {
        // A key held as the level loads waits for its release: T is pressed once it runs.
        if (frame == 5) {
            input.press('T');
        }
        game.update(1.0 / 30.0);
        game.render();
    }
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(first->getTimeSwitcher()->isSwitching());

    game.pause();
    const Moment paused = Moment::of(*first);
    for (int frame = 0; frame < 100; ++frame) {
        game.update(0.1);
        game.render();
    }
    EXPECT_TRUE(Moment::of(*first) == paused);

    game.resume();
    for (int frame = 0; frame < 10; ++frame) {
        game.update(1.0 / 30.0);
        game.render();
    }
    EXPECT_GT(first->getTimeSwitcher()->getProgress(), paused.switchProgress);
    EXPECT_FALSE(Moment::of(*first) == paused);
    game.close();
}
