#include "common/CoutCapture.h"

#include "engine/GameObject.h"
#include "hud/Menu.h"
#include "hud/MenuView.h"
#include "platform/ActiveInput.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"
#include "screen/GameFlow.h"
#include "screen/GameScreen.h"
#include "screen/TitleScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

namespace fs = std::filesystem;
using namespace Vexmor;
using Log = std::vector<std::string>;

namespace {

class FakeLevel : public screen::Screen {
public:
    FakeLevel(std::string name, Log& log) : name(std::move(name)), log(log) {}
    void init() override { log.push_back("init " + name); }
    void close() override { log.push_back("close " + name); }
    void update(double /*seconds*/) override { log.push_back("update " + name); }
    void render() override {}
    void setPaused(bool paused) override {
        log.push_back((paused ? "pause " : "run ") + name);
        // As a level letting the mouse go: the pointer shows again where it was.
        if (paused && pointerOnRelease) {
            platform::activeInput().setCursorPosition(*pointerOnRelease);
        }
    }
    void turnView(float degrees) override { turned += degrees; }

    float turned = 0.0f;
    std::optional<glm::dvec2> pointerOnRelease;

private:
    std::string name;
    Log& log;
};

class Nothing : public engine::GameObject {
public:
    void onUpdate(double /*seconds*/) override {}
    void render(engine::RenderContext& /*context*/) override {}
};

class FakeView : public hud::MenuView {
public:
    void render(const hud::Menu& /*menu*/, hud::MenuBackdrop /*backdrop*/) override {}
    int indexAt(glm::dvec2 point) const override { return point.y < 0.0 ? -1 : int(point.y); }
};

class FakeFlow : public screen::GameFlow {
public:
    void playFrom(int level) override { asked.push_back("play " + std::to_string(level)); }
    void showTitle() override { asked.push_back("title"); }
    void quitGame() override { asked.push_back("quit"); }
    bool hasTitle() const override { return true; }
    Log asked;
};

class MenuScreens : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vexmor-menus-" + std::to_string(getpid()));
        fs::create_directories(dir / "levels");
        previous = fs::current_path();
        fs::current_path(dir);
        std::ofstream("levels/levels.ini")
            << "# Chapter: First steps\nlevels\\a.lvl\nlevels\\b.lvl\n#Chapter:Later\n"
               "#  Chapter:  \nlevels\\c.lvl\n";
        input.setCursorPosition({-1.0, -1.0});
        platform::setActiveInput(&input);
        game = std::make_unique<screen::GameScreen>(
            [this](const std::string& file, screen::LevelChanger*) {
                auto level = std::make_unique<FakeLevel>(file, log);
                made.push_back(level.get());
                return level;
            },
            [] { return std::make_unique<Nothing>(); },
            [](const std::string&, const std::string&) { return std::make_unique<Nothing>(); });
        game->setFlow(&flow);
        game->setMenuViewFactory([] { return std::make_unique<FakeView>(); });
        game->setFinishListener(
            [this](const std::string& line, double seconds) { finished[line] = seconds; });
        CoutCapture quiet;
        game->init();
    }
    void TearDown() override {
        platform::setActiveInput(nullptr);
        fs::current_path(previous);
        fs::remove_all(dir);
    }

    void tap(int key, screen::Screen& screen) {
        input.press(key);
        screen.update(0.02);
        input.release(key);
        screen.update(0.02);
    }

    fs::path dir;
    fs::path previous;
    platform::ScriptedInput input;
    Log log;
    std::vector<FakeLevel*> made;
    FakeFlow flow;
    std::map<std::string, double> finished;
    std::unique_ptr<screen::GameScreen> game;
};

} // namespace

TEST(Menu, SelectionSkipsWhatCannotBeChosenAndWrapsRound) {
    hud::Menu menu("T", {{1, "a"}, {2, "chapter", "", true, true}, {3, "b", "", false}, {4, "c"}});
    EXPECT_EQ(menu.selectedId(), 1);
    menu.move(1);
    EXPECT_EQ(menu.selectedId(), 4);
    menu.move(1);
    EXPECT_EQ(menu.selectedId(), 1);
    menu.move(-1);
    EXPECT_EQ(menu.selectedId(), 4);
    EXPECT_FALSE(menu.selectId(3));
    const auto before = menu.revision();
    menu.setEnabled(4, false);
    EXPECT_EQ(menu.selectedId(), 1) << "a selection on a line that closes moves on";
    EXPECT_GT(menu.revision(), before);

    hud::MenuCommands click;
    click.click = true;
    EXPECT_EQ(menu.follow(click, 2).kind, hud::MenuAction::None) << "a click on a closed line";
    EXPECT_EQ(menu.follow(click, 0).kind, hud::MenuAction::Accept);
    hud::MenuCommands back;
    back.back = true;
    EXPECT_EQ(menu.follow(back, -1).kind, hud::MenuAction::Back);
}

TEST_F(MenuScreens, APausedLevelIsNotAdvancedAndItsTimeLeavesThePauseOut) {
    game->start(0);
    game->update(0.02);
    game->update(1.0);
    log.clear();
    tap(platform::key::Escape, *game);
    EXPECT_TRUE(game->isPaused());
    for (int i = 0; i < 50; ++i) {
        game->update(1.0);
    }
    EXPECT_EQ(log, (Log{"pause levels\\a.lvl"})) << "nothing advanced while paused";

    // Esc again resumes; Restart puts the level back as it was on arrival.
    tap(platform::key::Escape, *game);
    EXPECT_FALSE(game->isPaused());
    game->update(2.0);
    game->nextLevel();
    EXPECT_DOUBLE_EQ(finished.at("levels\\a.lvl"), 3.02);

    game->update(0.02);
    log.clear();
    tap(platform::key::Escape, *game);
    tap(platform::key::Down, *game);
    tap(platform::key::Enter, *game);
    EXPECT_FALSE(game->isPaused());
    EXPECT_EQ(log, (Log{"pause levels\\b.lvl", "close levels\\b.lvl", "init levels\\b.lvl",
                        "update levels\\b.lvl"}));

    // Quit to title and quit game go to the loop.
    tap(platform::key::Escape, *game);
    tap(platform::key::Up, *game);
    tap(platform::key::Enter, *game);
    EXPECT_EQ(flow.asked, (Log{"quit"}));
}

// The pointer reappearing over a line of the pause menu has not moved to it: Enter
// still resumes.
TEST_F(MenuScreens, ThePauseMenuOpensOnResumeWhereverThePointerReappears) {
    game->start(0);
    game->update(0.02);
    made.at(0)->pointerOnRelease = glm::dvec2(10.0, 2.0);
    input.press(platform::key::Escape);
    game->update(0.02);
    ASSERT_TRUE(game->isPaused());
    game->render();
    input.release(platform::key::Escape);
    game->update(0.02);
    tap(platform::key::Enter, *game);
    EXPECT_FALSE(game->isPaused());

    // Moved, it points as ever.
    tap(platform::key::Escape, *game);
    input.moveCursor({0.0, -1.0});
    tap(platform::key::Enter, *game);
    EXPECT_FALSE(game->isPaused());
    EXPECT_NE(std::find(log.begin(), log.end(), "init levels\\a.lvl"), log.end())
        << "Restart, the second line";
}

TEST_F(MenuScreens, TheTitleContinuesAtTheFirstUnfinishedLevelAndLocksTheRest) {
    std::map<std::string, screen::LevelRecord> records;
    screen::TitleScreen title(*game, flow, [&](const std::string& line) {
        return records.count(line) ? records[line] : screen::LevelRecord{};
    });
    title.setMenuViewFactory([] { return std::make_unique<FakeView>(); });
    title.setTitleLookup([](const std::string& file) { return "T " + file; });

    title.init();
    EXPECT_EQ(title.continueLevel(), -1);
    EXPECT_EQ(title.currentMenu().items().front().label, "New game");
    EXPECT_TRUE(title.isOpen(0));
    EXPECT_FALSE(title.isOpen(1));

    records["levels\\a.lvl"] = {true, 42.0};
    records["levels\\c.lvl"] = {true, 61.0};
    title.init();
    EXPECT_EQ(title.continueLevel(), 1);
    EXPECT_EQ(title.currentMenu().items().front().value, "Level 2: T levels\\b.lvl");
    EXPECT_TRUE(title.isOpen(2)) << "a level finished before stays open";

    // The backdrop is the level Continue plays, turning.
    title.update(0.05);
    title.update(0.05);
    ASSERT_EQ(made.size(), 3u);
    EXPECT_FLOAT_EQ(made[1]->turned, 0.4f);

    tap(platform::key::Down, title);
    tap(platform::key::Down, title);
    tap(platform::key::Enter, title);
    ASSERT_TRUE(title.isChoosingLevel());
    // Grouped by the list's chapters; a chapter line without a name is only a comment.
    const hud::Menu& levels = title.currentMenu();
    ASSERT_EQ(levels.items().size(), 5u);
    EXPECT_TRUE(levels.items()[0].heading);
    EXPECT_EQ(levels.items()[0].label, "First steps");
    EXPECT_EQ(levels.items()[1].value, "0:42");
    EXPECT_EQ(levels.items()[3].label, "Later");
    EXPECT_EQ(levels.items()[4].value, "1:01");
    EXPECT_EQ(levels.selectedId(), 101);
    tap(platform::key::Escape, title);
    EXPECT_FALSE(title.isChoosingLevel());

    tap(platform::key::Up, title);
    tap(platform::key::Up, title);
    tap(platform::key::Enter, title);
    EXPECT_EQ(flow.asked, (Log{"play 1"}));
    // Playing the level shown turns its view back and does not load it again.
    game->start(1);
    EXPECT_FLOAT_EQ(made[1]->turned, 0.0f);
    log.clear();
    game->update(0.02);
    EXPECT_EQ(log, (Log{"update levels\\b.lvl"}));
    tap(platform::key::Escape, title);
}
