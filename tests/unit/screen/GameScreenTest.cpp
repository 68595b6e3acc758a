#include "common/CoutCapture.h"

#include "app/RenderSettings.h"
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

// Records the level line and title it was made with, and each time it is counted on or drawn.
class FakeTitle : public Vexmor::engine::GameObject {
public:
    FakeTitle(const std::string& text, Log& log) : log(log) { log.push_back(text); }
    void onUpdate(double /*seconds*/) override { log.push_back("count"); }
    void render(Vexmor::engine::RenderContext& /*context*/) override { log.push_back("draw"); }

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
            [this] { return std::make_unique<FakeImage>(log); },
            [this](const std::string& levelLine, const std::string& title) {
                return std::make_unique<FakeTitle>(levelLine + ": " + title, titleLog);
            });
        CoutCapture capture;
        screen->init();
        console = capture.text();
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
    Log titleLog;
    std::vector<LevelChanger*> changers;
    // What the last init printed.
    std::string console;
};

} // namespace

TEST_F(Progression, LevelsRunInListOrderAndTheWinningImageFollowsTheLast) {
    writeList("# campaign\nlevels\\a.lvl\n\n  levels\\b.lvl  \n");
    auto screen = makeScreen();
    ASSERT_EQ(screen->levelCount(), 2u);
    EXPECT_EQ(changers, (std::vector<LevelChanger*>{screen.get(), screen.get()}));

    EXPECT_EQ(frame(*screen),
              (Log{"init levels\\a.lvl", "update levels\\a.lvl", "render levels\\a.lvl"}));
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
    EXPECT_EQ(console, "Reading levels...done!\n");
}

TEST_F(Progression, AListThatCantBeReadOrNamesMissingFilesIsWarnedAboutAtStartUp) {
    auto missing = makeScreen();
    EXPECT_EQ(console, "Reading levels...done!\n"
                       "[WARN] Level list 'levels\\levels.ini' is missing; there are no levels "
                       "to play\n");
    EXPECT_TRUE(frame(*missing).empty());

    fs::create_directory("levels/levels.ini");
    auto unreadable = makeScreen();
    EXPECT_EQ(console, "Reading levels...done!\n"
                       "[WARN] Level list 'levels\\levels.ini' can't be read; there are no "
                       "levels to play\n");
    EXPECT_TRUE(frame(*unreadable).empty());
    fs::remove("levels/levels.ini");

    // Every missing file is named as the list names it; the game still plays them all.
    std::ofstream("levels/here.lvl") << "xDim 1\n";
    writeList("levels\\gone.lvl\nlevels\\here.lvl\n  levels\\also  gone.lvl\n");
    auto gaps = makeScreen();
    EXPECT_EQ(console, "Reading levels...done!\n"
                       "[WARN] Level list 'levels\\levels.ini' names 'levels\\gone.lvl', which "
                       "does not exist\n"
                       "[WARN] Level list 'levels\\levels.ini' names 'levels\\also gone.lvl', "
                       "which does not exist\n");
    ASSERT_EQ(gaps->levelCount(), 3u);
    EXPECT_EQ(frame(*gaps),
              (Log{"init levels\\gone.lvl", "update levels\\gone.lvl", "render levels\\gone.lvl"}));

    writeList("levels\\here.lvl\n");
    makeScreen();
    EXPECT_EQ(console, "Reading levels...done!\n");
}

TEST_F(Progression, EachLevelStartsNamedByItsPlaceInTheListAndItsTitle) {
    std::ofstream("levels/a.lvl") << "# An intro\n# Title: Alpha\nxDim 1\n";
    std::ofstream("levels/c.lvl") << "xDim 1\n";
    // The missing level counts in the number of levels and is named by its file.
    writeList("levels\\a.lvl\nlevels\\b.lvl\nlevels\\c.lvl\n");
    auto screen = makeScreen();

    frame(*screen);
    EXPECT_EQ(titleLog, (Log{"Level 1 of 3: Alpha", "draw"}));
    titleLog.clear();
    frame(*screen);
    EXPECT_EQ(titleLog, (Log{"count", "draw"}));

    // Hidden under the help image, but its time goes on.
    titleLog.clear();
    Vexmor::app::renderSettings().showHelp = true;
    frame(*screen);
    Vexmor::app::renderSettings().showHelp = false;
    EXPECT_EQ(titleLog, (Log{"count"}));

    titleLog.clear();
    screen->nextLevel();
    frame(*screen);
    screen->nextLevel();
    frame(*screen);
    EXPECT_EQ(titleLog, (Log{"Level 2 of 3: b", "draw", "Level 3 of 3: c", "draw"}));

    titleLog.clear();
    screen->nextLevel();
    frame(*screen);
    frame(*screen);
    EXPECT_TRUE(titleLog.empty());
}
