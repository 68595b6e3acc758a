#include "InstallTree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// The installed game started by its launcher as a player with a home of their own. The
// launcher stays between the test and the game, so the game's window is found by its
// title and its console is read from the log.
class PlayerRun {
public:
    PlayerRun(const InstallTree& install, const fs::path& home)
        : game(elsewhere.path(), install.launcher()),
          log(home / ".local" / "state" / "vexmor" / "vexmor.log") {
        game.setEnvironment("HOME", home.string());
        game.setEnvironment("XDG_DATA_HOME", "");
        game.setEnvironment("XDG_STATE_HOME", "");
        game.setEnvironment("VEXMOR_NO_DIALOG", "1");
        game.start();
    }

    bool waitForLog(const std::string& text) {
        return waitFor([&] { return fileText(log).find(text) != std::string::npos; }, 30s);
    }

    bool findWindow() {
        return waitFor(
            [&] {
                window = commandOutput("xdotool search --name '^Vexmor' 2>/dev/null | head -n 1");
                return !window.empty();
            },
            20s);
    }

    // Held long enough for a frame to see it, as the game's own tests do.
    void tapKey(const std::string& key) {
        const std::string id = window.substr(0, window.find('\n'));
        std::system(("xdotool keydown --window " + id + " " + key + " >/dev/null 2>&1").c_str());
        std::this_thread::sleep_for(300ms);
        std::system(("xdotool keyup --window " + id + " " + key + " >/dev/null 2>&1").c_str());
        std::this_thread::sleep_for(200ms);
    }

    std::optional<int> waitForExit() { return game.waitForExit(30s); }
    std::string logText() const { return fileText(log); }
    bool startedNowhereElse() const { return fs::is_empty(elsewhere.path()); }

private:
    TempDirectory elsewhere;
    GameProcess game;
    fs::path log;
    std::string window;
};

// Takes the write permission away for the test and gives it back for the clean-up; root
// writes anyway, so there the listing below is what catches a write.
class ReadOnlyTree {
public:
    explicit ReadOnlyTree(fs::path root) : root(std::move(root)) { change("a-w"); }
    ~ReadOnlyTree() { change("u+w"); }
    ReadOnlyTree(const ReadOnlyTree&) = delete;
    ReadOnlyTree& operator=(const ReadOnlyTree&) = delete;

private:
    void change(const std::string& mode) const {
        std::system(("chmod -R " + mode + " " + shellQuoted(root.string())).c_str());
    }

    fs::path root;
};

bool holdsScreenshots(const fs::path& directory) {
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.path().filename().string().rfind("screenshot", 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(InstallE2E, ThePlayerPlaysInTheirOwnDirectoryAndTheInstallStaysUntouched) {
    InstallTree install;
    TempDirectory homes;
    const fs::path home = homes.path() / "a player";
    fs::create_directory(home);
    const fs::path mine = home / ".local" / "share" / "vexmor";
    // A write into the installed tree would fail, unless the test runs as root.
    const ReadOnlyTree readOnly(install.prefix());
    const std::string installed = treeListing(install.prefix());

    {
        PlayerRun run(install, home);
        ASSERT_TRUE(run.waitForLog("First render...\n")) << run.logText();
        ASSERT_TRUE(run.findWindow());
        run.tapKey("F12");
        EXPECT_TRUE(waitFor([&] { return fs::exists(mine / "screenshot0.png"); }, 5s));
        run.tapKey("Escape");
        EXPECT_EQ(run.waitForExit(), 0) << run.logText();
        EXPECT_TRUE(run.startedNowhereElse());
    }
    EXPECT_FALSE(holdsScreenshots(install.data()));

    // A level of the player's own, put first in their list; its block outside the grid
    // makes a warning only this level gives.
    std::ofstream(mine / "levels" / "my room.lvl")
        << "xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\nair 1 1 1\nair 7 7 7\n";
    const std::string shippedList = fileText(mine / "levels" / "levels.ini");
    std::ofstream(mine / "levels" / "levels.ini", std::ios::trunc) << "levels\\my room.lvl\n"
                                                                   << shippedList;
    {
        PlayerRun run(install, home);
        EXPECT_TRUE(run.waitForLog("[Warn] LevelLoader: Block 'air' lies outside the level at "
                                   "7|7|7\n"))
            << run.logText();
        ASSERT_TRUE(run.waitForLog("Level Initialisation done!\n")) << run.logText();
        ASSERT_TRUE(run.findWindow());
        run.tapKey("Escape");
        EXPECT_EQ(run.waitForExit(), 0) << run.logText();
    }

    // A broken level of the player's ends the game with its status, the message in the log.
    std::ofstream(mine / "levels" / "broken.lvl") << "xDim 3\nyDim 3\nplayer 1 1 1\n";
    std::ofstream(mine / "levels" / "levels.ini", std::ios::trunc) << "levels\\broken.lvl\n";
    {
        PlayerRun run(install, home);
        EXPECT_EQ(run.waitForExit(), 5) << run.logText();
        EXPECT_NE(run.logText().find("[ERROR] Currupted Level file: The first three tags must "
                                     "contain the dimensions of the map!\n"),
                  std::string::npos)
            << run.logText();
        EXPECT_NE(fileText(home / ".local" / "state" / "vexmor" / "vexmor.log.1").find("7|7|7"),
                  std::string::npos)
            << "the run before is kept";
    }

    EXPECT_EQ(treeListing(install.prefix()), installed);
}
