#include "GameProcess.h"

#include "platform/SampleChoice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/wait.h>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// Lines must appear in this order (others may stand between them).
void expectInOrder(const std::string& output, const std::vector<std::string>& lines) {
    std::size_t from = 0;
    for (const std::string& line : lines) {
        const std::size_t at = output.find(line, from);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: '" << line << "' in\n"
                                         << output;
        from = at + line.size();
    }
}

const std::vector<std::string> startUpLines = {
    "------------------------ GL Info ------------------------\nOpenGL: ",
    "\nGLSL: ",
    "\nVendor: ",
    "\nRenderer: ",
    "\n------------------------/ GL Info -----------------------\n",
    "Pre level loading\n",
    "Reading levels...done!\n",
    "Pre main loop\n",
    "First computings...\n",
    "First render...\n"};

const std::vector<std::string> shutdownLines = {
    "Closing current Screen...\n", "Delete Screens...\n",
    "Destroy SoundLibrary...\n",   "Destroy ModelLibrary...\n",
    "Destroy ShaderLibrary...\n",  "Destroy CollisionShapeLibrary...\n",
    "Closing openGL...\n",         "Program ended.\n",
    "Press [ENTER] to continue..."};

struct PngSize {
    unsigned width = 0;
    unsigned height = 0;
    int bitDepth = 0;
    int colourType = -1;
};

PngSize readPngHeader(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> head(26);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    auto big = [&](std::size_t at) {
        return (unsigned(head[at]) << 24) | (unsigned(head[at + 1]) << 16) |
               (unsigned(head[at + 2]) << 8) | unsigned(head[at + 3]);
    };
    return {big(16), big(20), head[24], head[25]};
}

std::string fileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void waitForFile(const fs::path& file) {
    for (int i = 0; i < 100 && !fs::exists(file); ++i) {
        std::this_thread::sleep_for(50ms);
    }
}

class ShellE2E : public ::testing::Test {
protected:
    // No levels, but the shaders the winning image needs.
    void SetUp() override {
        data.write("levels/levels.ini", "");
        fs::copy(fs::path(VEXMOR_DATA_DIR) / "shader", data.path() / "shader");
    }

    // Starts the game and waits until its loop runs.
    void startGame() {
        game.start();
        ASSERT_NE(game.waitForWindow(20s), 0u) << game.output();
        ASSERT_TRUE(game.waitForOutput("First render...\n", 20s)) << game.output();
    }

    TempDirectory data;
    GameProcess game{data.path()};
};

} // namespace

TEST_F(ShellE2E, EscapeEndsTheRunWithTheShutdownLines) {
    startGame();
    game.tapKey("Escape");
    const auto status = game.waitForExit(20s);
    ASSERT_TRUE(status.has_value()) << game.output();
    EXPECT_EQ(*status, 0);

    const std::string output = game.output();
    std::vector<std::string> all = startUpLines;
    all.insert(all.end(), shutdownLines.begin(), shutdownLines.end());
    expectInOrder(output, all);
    EXPECT_EQ(output.find("OpenGL-Error"), std::string::npos) << output;
}

TEST_F(ShellE2E, ClosingTheWindowEndsTheRunLikeEscape) {
    startGame();
    game.requestClose();
    const auto status = game.waitForExit(20s);
    ASSERT_TRUE(status.has_value()) << game.output();
    EXPECT_EQ(*status, 0);
    expectInOrder(game.output(), shutdownLines);
}

TEST_F(ShellE2E, F12WritesA1024x768ScreenshotOnRelease) {
    startGame();
    game.holdKey("F12");
    std::this_thread::sleep_for(500ms);
    EXPECT_FALSE(fs::exists(data.path() / "screenshot0.png")) << "must wait for the release";
    game.tapKey("F12");
    game.tapKey("F12");

    const fs::path first = data.path() / "screenshot0.png";
    const fs::path second = data.path() / "screenshot1.png";
    waitForFile(second);
    game.tapKey("Escape");
    ASSERT_TRUE(game.waitForExit(20s).has_value());

    ASSERT_TRUE(fs::exists(first)) << game.output();
    EXPECT_TRUE(fs::exists(second));
    EXPECT_FALSE(fs::exists(data.path() / "screenshot2.png"));
    const PngSize size = readPngHeader(first);
    EXPECT_EQ(size.width, 1024u);
    EXPECT_EQ(size.height, 768u);
    EXPECT_EQ(size.bitDepth, 8);
    EXPECT_EQ(size.colourType, 2) << "24-bit RGB";
}

TEST_F(ShellE2E, F12KeepsEarlierScreenshotsAndTakesTheFreeNumbers) {
    data.write("screenshot0.png", "from an earlier run");
    data.write("screenshot2.png", "from an earlier run");
    startGame();
    game.tapKey("F12");
    game.tapKey("F12");
    const fs::path third = data.path() / "screenshot3.png";
    waitForFile(third);
    game.tapKey("Escape");
    ASSERT_TRUE(game.waitForExit(20s).has_value());

    EXPECT_TRUE(fileText(data.path() / "screenshot0.png") == "from an earlier run")
        << "screenshot0.png was overwritten";
    EXPECT_TRUE(fileText(data.path() / "screenshot2.png") == "from an earlier run")
        << "screenshot2.png was overwritten";
    ASSERT_TRUE(fs::exists(data.path() / "screenshot1.png")) << game.output();
    ASSERT_TRUE(fs::exists(third)) << game.output();
    EXPECT_EQ(readPngHeader(data.path() / "screenshot1.png").width, 1024u);
    EXPECT_EQ(readPngHeader(third).width, 1024u);
    EXPECT_FALSE(fs::exists(data.path() / "screenshot4.png"));
    EXPECT_EQ(game.output().find("[WARN]"), std::string::npos) << game.output();
}

TEST_F(ShellE2E, AScreenshotThatCannotBeSavedIsReportedAndTheGameGoesOn) {
    startGame();
    // Once its directory is gone nothing can be created in it, not even by root.
    fs::remove_all(data.path());
    game.tapKey("F12");
    ASSERT_TRUE(game.waitForOutput(
        "[WARN] Could not save screenshot 'screenshot0.png': No such file or directory\n", 20s))
        << game.output();
    game.tapKey("F12");
    ASSERT_TRUE(game.waitForOutput("'screenshot1.png'", 20s)) << game.output();
    game.tapKey("Escape");
    const auto status = game.waitForExit(20s);
    ASSERT_TRUE(status.has_value()) << game.output();
    EXPECT_EQ(*status, 0);
    expectInOrder(game.output(), shutdownLines);
}

TEST(ShellStartUpE2E, WithoutADisplayTheStartFailsWithStatusOne) {
    TempDirectory data;
    const std::string command = "cd '" + data.path().string() +
                                "' && env -u DISPLAY -u WAYLAND_DISPLAY '" + VEXMOR_BINARY +
                                "' </dev/null 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(output, "Error while initializing glfw!\nPress [ENTER] to continue...");
}

// The window format: chosen by the renderer unless VEXMOR_SAMPLES names it, reported
// right after the driver block, and an unknown value is ignored with a warning.
TEST_F(ShellE2E, TheWindowFormatFollowsTheRendererOrTheEnvironment) {
    const std::string blockEnd = "------------------------/ GL Info -----------------------\n";
    // The line's start stays as it was, so older readers still match it.
    const std::string info = "[INFO] Software rasteriser: multisampling off";
    const std::string fullInfo = info + ", fast look, render scale auto\n";
    const auto run = [this](GameProcess& process) {
        process.start();
        EXPECT_TRUE(process.waitForOutput("First render...\n", 20s)) << process.output();
        process.tapKey("Escape");
        EXPECT_EQ(process.waitForExit(20s), std::optional<int>(0)) << process.output();
        return process.output();
    };

    const char* inherited = std::getenv("VEXMOR_SAMPLES");
    const std::string saved = inherited != nullptr ? inherited : "";
    unsetenv("VEXMOR_SAMPLES");
    const std::string chosen = run(game);
    if (inherited != nullptr) {
        setenv("VEXMOR_SAMPLES", saved.c_str(), 1);
    }
    const std::size_t rendererAt = chosen.find("\nRenderer: ");
    ASSERT_NE(rendererAt, std::string::npos) << chosen;
    const std::string renderer =
        chosen.substr(rendererAt + 11, chosen.find('\n', rendererAt + 1) - rendererAt - 11);
    const bool software = Vexmor::platform::SampleChoice::kindOf(renderer) ==
                          Vexmor::platform::RendererKind::Software;
    EXPECT_EQ(chosen.find(blockEnd + fullInfo) != std::string::npos, software) << chosen;
    EXPECT_EQ(chosen.find("[WARN]"), std::string::npos) << chosen;

    GameProcess named(data.path());
    named.setEnvironment("VEXMOR_SAMPLES", "4");
    const std::string four = run(named);
    EXPECT_EQ(four.find(info), std::string::npos) << four;
    EXPECT_EQ(four.find("[WARN]"), std::string::npos) << four;

    GameProcess unknown(data.path());
    unknown.setEnvironment("VEXMOR_SAMPLES", "8");
    const std::string ignored = run(unknown);
    const std::size_t warning =
        ignored.find("[WARN] VEXMOR_SAMPLES='8' ignored: it takes 0 or 4\n");
    EXPECT_LT(warning, ignored.find(blockEnd)) << ignored;
    EXPECT_EQ(ignored.find(blockEnd + info) != std::string::npos, software) << ignored;
}
