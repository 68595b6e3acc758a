#include "common/CoutCapture.h"

#include "engine/GameObject.h"
#include "screen/GameScreen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using Vexmor::screen::GameScreen;
using Vexmor::screen::LevelChanger;
using Vexmor::screen::Screen;

namespace {

using Log = std::vector<std::string>;

class FakeLevel : public Screen {
public:
    FakeLevel(std::string name, Log& log) : name(std::move(name)), log(log) {}
    void init() override { log.push_back("init " + name); }
    void close() override { log.push_back("close " + name); }
    void update(double /*seconds*/) override { log.push_back("update " + name); }
    void render() override { log.push_back("render " + name); }

private:
    std::string name;
    Log& log;
};

class FakeImage : public Vexmor::engine::GameObject {
public:
    explicit FakeImage(Log& log) : log(log) {}
    void onUpdate(double /*seconds*/) override {}
    void render(Vexmor::engine::RenderContext& /*context*/) override { log.push_back("winning"); }

private:
    Log& log;
};

class Progression : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vexmor-progress-" + std::to_string(getpid()));
        fs::create_directories(dir / "levels");
        previous = fs::current_path();
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(dir);
    }

    void writeList(const std::string& text) { std::ofstream("levels/levels.ini") << text; }

    std::unique_ptr<GameScreen> makeScreen() {
        auto screen = std::make_unique<GameScreen>(
            [this](const std::string& file, LevelChanger* changer) {
                changers.push_back(changer);
                return std::make_unique<FakeLevel>(file, log);
            },
            [this] { return std::make_unique<FakeImage>(log); });
        CoutCapture quiet;
        screen->init();
        return screen;
    }

    // One frame of the loop: update then render; returns what happened.
    Log frame(GameScreen& screen) {
        log.clear();
        screen.update(0.016);
        screen.render();
        return log;
    }

    fs::path dir;
    fs::path previous;
    Log log;
    std::vector<LevelChanger*> changers;
};

} // namespace

TEST_F(Progression, LevelsRunInListOrderAndTheWinningImageFollowsTheLast) {
    writeList("# campaign\nlevels\\a.lvl\n\n  levels\\b.lvl  \n");
    auto screen = makeScreen();
    ASSERT_EQ(screen->levelCount(), 2u);
    EXPECT_EQ(changers, (std::vector<LevelChanger*>{screen.get(), screen.get()}));

    EXPECT_EQ(frame(*screen), (Log{"init levels\\a.lvl", "update levels\\a.lvl",
                                   "render levels\\a.lvl"}));
    EXPECT_EQ(frame(*screen), (Log{"update levels\\a.lvl", "render levels\\a.lvl"}));

    screen->nextLevel();
    EXPECT_EQ(frame(*screen), (Log{"close levels\\a.lvl", "init levels\\b.lvl",
                                   "update levels\\b.lvl", "render levels\\b.lvl"}));

    // The last level is left running (not closed) while the winning image shows; the
    // frame of the request stays black.
    screen->nextLevel();
    EXPECT_EQ(frame(*screen), (Log{"winning"}));
    EXPECT_EQ(frame(*screen), (Log{"winning"}));

    log.clear();
    screen->close();
    EXPECT_EQ(log, (Log{"close levels\\b.lvl"}));
}

TEST_F(Progression, TwoRequestsInOneFrameSkipALevelAndPastTheEndWin) {
    writeList("one\ntwo\nthree\n");
    auto screen = makeScreen();
    frame(*screen);
    screen->nextLevel();
    screen->nextLevel();
    EXPECT_EQ(frame(*screen), (Log{"close one", "init three", "update three", "render three"}));
    screen->nextLevel();
    screen->nextLevel();
    EXPECT_EQ(frame(*screen), (Log{"winning"}));
    EXPECT_EQ(screen->getRequestedLevel(), 4);
}

TEST_F(Progression, WithoutLevelsNothingRuns) {
    writeList("# only a comment\n\n   \n");
    auto screen = makeScreen();
    EXPECT_EQ(screen->levelCount(), 0u);
    EXPECT_EQ(screen->getRequestedLevel(), -1);
    EXPECT_TRUE(frame(*screen).empty());

    fs::remove("levels/levels.ini");
    auto missing = makeScreen();
    EXPECT_TRUE(frame(*missing).empty());
}
