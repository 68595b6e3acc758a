#include "GameProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// What `cmake --install` leaves behind must start the game in its installed data.
TEST(InstallE2E, LauncherStartsTheGameInTheInstalledData) {
    TempDirectory prefix;
    const std::string install = std::string(VEXMOR_CMAKE_COMMAND) + " --install " +
                                VEXMOR_BUILD_DIR + " --prefix " + prefix.path().string() +
                                " >/dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0);

    const fs::path launcher = prefix.path() / "bin" / "vexmor";
    ASSERT_TRUE(fs::exists(launcher));
    EXPECT_TRUE(fs::exists(prefix.path() / "share" / "vexmor" / "levels" / "levels.ini"));

    // Started from elsewhere: the launcher must change into the data itself.
    TempDirectory elsewhere;
    GameProcess game(elsewhere.path(), launcher);
    game.start();
    ASSERT_NE(game.waitForWindow(20s), 0u) << game.output();
    ASSERT_TRUE(game.waitForOutput("First render...\n", 20s)) << game.output();
    // The screenshot lands in the working directory, which must be the installed data.
    game.tapKey("F12");
    const fs::path shot = prefix.path() / "share" / "vexmor" / "screenshot0.png";
    for (int i = 0; i < 100 && !fs::exists(shot); ++i) {
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(fs::exists(shot));
    game.tapKey("Escape");
    const auto status = game.waitForExit(20s);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

// The menu entry starts the installed launcher and shows the installed icon.
TEST(InstallE2E, DesktopEntryPointsAtTheInstalledLauncherAndIcon) {
    TempDirectory prefix;
    const std::string install = std::string(VEXMOR_CMAKE_COMMAND) + " --install " +
                                VEXMOR_BUILD_DIR + " --prefix " + prefix.path().string() +
                                " >/dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0);

    std::ifstream entry(prefix.path() / "share" / "applications" / "vexmor.desktop");
    ASSERT_TRUE(entry);
    std::map<std::string, std::string> keys;
    for (std::string line; std::getline(entry, line);) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(fs::path(keys["Exec"]), prefix.path() / "bin" / "vexmor");
    EXPECT_EQ(fs::path(keys["Icon"]), prefix.path() / "share" / "vexmor" / "img" / "icon.png");
    EXPECT_TRUE(fs::exists(keys["Exec"]));
    EXPECT_TRUE(fs::exists(keys["Icon"]));
}
