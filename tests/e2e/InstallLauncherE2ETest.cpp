#include "InstallTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// The installed tree with the game replaced by a script that shows where and how it was
// started, prints `FAKE_LINES` numbered lines and ends with `FAKE_STATUS`.
class FakeGameInstall : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path game = install.prefix() / "libexec" / "vexmor" / "vexmor";
        std::ofstream(game, std::ios::trunc) << "#!/bin/sh\n"
                                                "echo \"game in $PWD\"\n"
                                                "for a in \"$@\"; do echo \"argument: $a\"; done\n"
                                                "i=1\n"
                                                "while [ $i -le ${FAKE_LINES:-0} ]; do\n"
                                                "    echo \"line $i\"; i=$((i + 1))\n"
                                                "done\n"
                                                "exit ${FAKE_STATUS:-0}\n";
        fs::permissions(game, fs::perms::owner_all, fs::perm_options::add);
        // A dialog tool that only notes how it was called.
        std::ofstream(tools.path() / "zenity")
            << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >>"
            << shellQuoted((tools.path() / "zenity.calls").string()) << "\n";
        fs::permissions(tools.path() / "zenity", fs::perms::owner_all, fs::perm_options::add);
    }

    // Starts the launcher as a player with a home of their own, console not on a terminal.
    int launch(const std::string& settings, const std::string& arguments = "") {
        const std::string command =
            "cd / && env -u XDG_DATA_HOME -u XDG_STATE_HOME HOME=" +
            shellQuoted(home.path().string()) +
            " DISPLAY=:99 VEXMOR_NO_DIALOG= PATH=" + shellQuoted(tools.path().string()) +
            ":\"$PATH\" " + settings + " " + shellQuoted(install.launcher().string()) + " " +
            arguments + " >" + shellQuoted(console.string()) + " 2>" + shellQuoted(errors.string());
        int status = 0;
        commandOutput(command, &status);
        return status;
    }

    fs::path playerDirectory() const { return home.path() / ".local" / "share" / "vexmor"; }
    fs::path logFile() const { return home.path() / ".local" / "state" / "vexmor" / "vexmor.log"; }

    InstallTree install;
    TempDirectory home;
    TempDirectory tools;
    fs::path console = tools.path() / "console";
    fs::path errors = tools.path() / "errors";
};

} // namespace

TEST_F(FakeGameInstall, TheGameRunsInThePlayersDirectoryWithItsArgumentsStatusAndLog) {
    ASSERT_EQ(launch("", "one 'two  words'"), 0);
    EXPECT_EQ(fileText(console), "");
    EXPECT_EQ(fileText(logFile()),
              "game in " + playerDirectory().string() + "\nargument: one\nargument: two  words\n");
    const std::string firstRun = fileText(logFile());

    // A level file named from where the player stands is found from the game's directory
    // too; a game name is passed on as it is.
    std::ofstream(home.path() / "mine.lvl") << "xDim 1\n";
    const std::string fromRoot = home.path().relative_path().string() + "/mine.lvl";
    ASSERT_EQ(launch("", "--level " + shellQuoted(fromRoot)), 0);
    EXPECT_NE(fileText(logFile()).find("argument: /" + fromRoot + "\n"), std::string::npos)
        << fileText(logFile());
    ASSERT_EQ(launch("", "--level 'levels\\one.lvl'"), 0);
    EXPECT_NE(fileText(logFile()).find("argument: levels\\one.lvl\n"), std::string::npos)
        << fileText(logFile());
    fs::remove(logFile().string() + ".1");
    ASSERT_EQ(launch("", "one 'two  words'"), 0);

    // The run before is kept beside the log; a failure says where the log is, in the log
    // and on standard error, and its status is the launcher's.
    ASSERT_EQ(launch("FAKE_STATUS=5"), 5);
    EXPECT_EQ(fileText(logFile().string() + ".1"), firstRun);
    const std::string note = "Vexmor ended with status 5. The whole log is " + logFile().string();
    EXPECT_EQ(fileText(logFile()), "game in " + playerDirectory().string() + "\n\n" + note + "\n");
    EXPECT_EQ(fileText(errors), "vexmor: " + note + "\n");

    // From a terminal the console stays there and no log is written.
    fs::remove(logFile());
    const std::string terminal =
        commandOutput("script -qec " +
                      shellQuoted("env -u XDG_DATA_HOME -u XDG_STATE_HOME HOME=" +
                                  shellQuoted(home.path().string()) + " FAKE_STATUS=3 " +
                                  shellQuoted(install.launcher().string()) + " tty") +
                      " /dev/null");
    EXPECT_NE(terminal.find("argument: tty"), std::string::npos) << terminal;
    EXPECT_FALSE(fs::exists(logFile()));

    // The XDG base directories move both places.
    TempDirectory elsewhere;
    const fs::path dataHome = elsewhere.path() / "my data";
    const fs::path stateHome = elsewhere.path() / "my state";
    ASSERT_EQ(launch("XDG_DATA_HOME=" + shellQuoted(dataHome.string()) +
                     " XDG_STATE_HOME=" + shellQuoted(stateHome.string())),
              0);
    EXPECT_EQ(fileText(stateHome / "vexmor" / "vexmor.log"),
              "game in " + (dataHome / "vexmor").string() + "\n");
}

TEST_F(FakeGameInstall, ThePlayersDirectoryLinksTheShippedDataAndFollowsUpdates) {
    ASSERT_EQ(launch(""), 0);
    const fs::path mine = playerDirectory();
    for (const char* folder : {"img", "models", "shader", "sound"}) {
        EXPECT_TRUE(fs::is_symlink(mine / folder)) << folder;
        EXPECT_TRUE(fs::equivalent(mine / folder, install.data() / folder)) << folder;
    }
    EXPECT_FALSE(fs::is_symlink(mine / "levels"));
    EXPECT_FALSE(fs::is_symlink(mine / "levels" / "levels.ini"));
    EXPECT_EQ(fileText(mine / "levels" / "levels.ini"),
              fileText(install.data() / "levels" / "levels.ini"));
    for (const auto& shipped : fs::directory_iterator(install.data() / "levels")) {
        const fs::path name = shipped.path().filename();
        if (name != "levels.ini") {
            EXPECT_TRUE(fs::is_symlink(mine / "levels" / name)) << name;
        }
    }

    // The player's own levels, one of them named like a shipped one.
    std::ofstream(mine / "levels" / "mine.lvl") << "my level\n";
    fs::remove(mine / "levels" / "02_stairs.lvl");
    std::ofstream(mine / "levels" / "02_stairs.lvl") << "my stairs\n";

    // An update changes a level, adds one, drops one and lists the new one.
    const fs::path shipped = install.data() / "levels";
    std::ofstream(shipped / "01_first_steps.lvl", std::ios::app) << "# changed\n";
    std::ofstream(shipped / "08 new level.lvl") << "new\n";
    fs::remove(shipped / "03_doors.lvl");
    std::ofstream(shipped / "levels.ini", std::ios::app) << "levels\\08 new level.lvl\n";
    ASSERT_EQ(launch(""), 0);
    EXPECT_EQ(fileText(mine / "levels" / "01_first_steps.lvl"),
              fileText(shipped / "01_first_steps.lvl"));
    EXPECT_EQ(fileText(mine / "levels" / "08 new level.lvl"), "new\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(mine / "levels" / "03_doors.lvl")));
    EXPECT_EQ(fileText(mine / "levels" / "mine.lvl"), "my level\n");
    EXPECT_EQ(fileText(mine / "levels" / "02_stairs.lvl"), "my stairs\n");
    // A list the player never edited follows the shipped one.
    EXPECT_EQ(fileText(mine / "levels" / "levels.ini"), fileText(shipped / "levels.ini"));

    // An edited list is the player's: the next update leaves it alone.
    std::ofstream(mine / "levels" / "levels.ini", std::ios::trunc) << "levels\\mine.lvl\n";
    std::ofstream(shipped / "levels.ini", std::ios::app) << "levels\\09.lvl\n";
    ASSERT_EQ(launch(""), 0);
    EXPECT_EQ(fileText(mine / "levels" / "levels.ini"), "levels\\mine.lvl\n");

    // A list the player removed comes back as the shipped one.
    fs::remove(mine / "levels" / "levels.ini");
    ASSERT_EQ(launch(""), 0);
    EXPECT_EQ(fileText(mine / "levels" / "levels.ini"), fileText(shipped / "levels.ini"));
}

TEST_F(FakeGameInstall, AFailedRunShowsTheEndOfItsLogInADialog) {
    const fs::path calls = tools.path() / "zenity.calls";
    ASSERT_EQ(launch("FAKE_LINES=30"), 0);
    EXPECT_FALSE(fs::exists(calls)) << "a run that went well shows no dialog";
    ASSERT_EQ(launch("FAKE_LINES=30 VEXMOR_NO_DIALOG=1 FAKE_STATUS=5"), 5);
    EXPECT_FALSE(fs::exists(calls)) << "VEXMOR_NO_DIALOG=1 shows no dialog";

    ASSERT_EQ(launch("FAKE_LINES=30 FAKE_STATUS=5"), 5);
    const std::string dialog = fileText(calls);
    EXPECT_EQ(dialog.rfind("--error\n--no-markup\n--title=Vexmor\n--text=", 0), 0u) << dialog;
    EXPECT_NE(dialog.find("line 17\n"), std::string::npos) << dialog;
    EXPECT_NE(dialog.find("line 30\n"), std::string::npos) << dialog;
    EXPECT_EQ(dialog.find("line 16\n"), std::string::npos) << "only the end of the log";
    EXPECT_NE(dialog.find("The whole log is " + logFile().string()), std::string::npos) << dialog;
}
