#include "GameProcess.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// One room of one cell: six wall panels around the player, drawn in the dark era.
const char* const goodLevel = "xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\nair 1 1 1\n";
const char* const levelFile = "levels/level.lvl";
const char* const panelModel = "models/Plane.obj";
const char* const pauseLine = "Press any key to continue . . . \n";

enum class Ending { FatalAfterPause, FatalAtOnce, PlaysOn };

// One thing broken in an otherwise complete copy of the game's data.
struct BadInput {
    const char* name;
    const char* file;    // relative to the working directory
    const char* content; // what the file holds instead; null: the file is gone
    std::string message; // the console line that names the fault
    Ending ending;
    int status;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BadInput& bad, std::ostream* out) {
    *out << bad.name;
}

std::string levelFault(const std::string& message) {
    return "[ERROR] Currupted Level file: " + message + "\n";
}

std::string objFault(const char* lead, int line, const std::string& detail) {
    return std::string(lead) + " obj-File 'models\\Plane.obj'(" + std::to_string(line) +
           "): " + detail + "\n";
}

const BadInput badInputs[] = {
    // Level files: status 5 after the pause.
    {"LevelMissingADimension", levelFile, "xDim 3\nyDim 3\nplayer 1 1 1\nair 1 1 1\n",
     levelFault("The first three tags must contain the dimensions of the map!"),
     Ending::FatalAfterPause, 5},
    {"LevelNamingADimensionTwice", levelFile, "xDim 3\nyDim 3\nxDim 3\nplayer 1 1 1\n",
     levelFault("Not all Dimensions are initialized!"), Ending::FatalAfterPause, 5},
    {"LevelWithABadDimensionLine", levelFile, "xDim 3\nyDim 3 3\nzDim 3\nplayer 1 1 1\n",
     levelFault("A dimension tag must contain only one param!"), Ending::FatalAfterPause, 5},
    {"LevelWithoutPlayer", levelFile, "xDim 3\nyDim 3\nzDim 3\nair 1 1 1\n",
     levelFault("'player' must be the the 2nd argument!"), Ending::FatalAfterPause, 5},
    {"LevelWithANegativeDimension", levelFile, "xDim 3\nyDim 3\nzDim -3\nplayer 1 1 1\n",
     levelFault("A dimension must not be negative!"), Ending::FatalAfterPause, 5},
    {"LevelWithABadNumber", levelFile, "xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\nair 1 one 1\n",
     levelFault("Invalid number 'one' in line 5!"), Ending::FatalAfterPause, 5},
    {"LevelCutInThePlayerLine", levelFile, "xDim 3\nyDim 3\nzDim 3\nplayer 1 1",
     levelFault("'player' needs three coordinates!"), Ending::FatalAfterPause, 5},
    {"LevelCutToNothing", levelFile, "",
     levelFault("The first three tags must contain the dimensions of the map!"),
     Ending::FatalAfterPause, 5},
    {"LevelMissing", levelFile, nullptr,
     levelFault("The first three tags must contain the dimensions of the map!"),
     Ending::FatalAfterPause, 5},

    // The wall panel's model: status 3 after the pause.
    {"ObjWithAQuad", panelModel,
     "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1 4/1/1\n",
     objFault("[ERROR] Can't load", 6, "invalid param count for f:5"), Ending::FatalAfterPause, 3},
    {"ObjWithAShortV", panelModel, "v 0 0 0\nv 1 0\nvt 0 0\nvn 0 0 1\n",
     objFault("[ERROR] Can't load", 2, "invalid param count for v:3"), Ending::FatalAfterPause, 3},
    {"ObjWithABadCorner", panelModel,
     "v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2//1 3/1/1\n",
     objFault("[ERROR] While loading", 5, "invalid faces syntax:2//1"), Ending::FatalAfterPause, 3},
    {"ObjWithAnIndexOutOfRange", panelModel,
     "v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 7/1/1\n",
     objFault("[ERROR] While loading", 5, "invalid faces syntax:7/1/1"), Ending::FatalAfterPause,
     3},
    {"ObjWithABadNumber", panelModel, "v 0 0 0\nv 1 zero 0\nvt 0 0\nvn 0 0 1\n",
     objFault("[ERROR] Can't load", 2, "invalid number:zero"), Ending::FatalAfterPause, 3},

    // Images: status 2 at once, without a pause.
    {"ImageMissing", "img/WallDirty.png", nullptr,
     "[FATAL ERROR] Could not load image: img\\WallDirty.png\n", Ending::FatalAtOnce, 2},
    {"ImageThatIsNoImage", "img/FloorCeilDirty.png", "not a picture",
     "[FATAL ERROR] Could not load image: img\\FloorCeilDirty.png\n", Ending::FatalAtOnce, 2},

    // Shaders: status 2 after the pause.
    {"ShaderMissing", "shader/MaterialShadowTextureShader.frag", nullptr,
     "WARNING: Can't load shader file 'shader\\MaterialShadowTextureShader.frag': file is bad\n",
     Ending::FatalAfterPause, 2},
    {"ShaderThatDoesNotCompile", "shader/GUIShader.frag", "#version 330 core\nnot glsl\n",
     "Compile failure in fragment shader:\n", Ending::FatalAfterPause, 2},

    // The level list and what it names: a warning at start-up, and the game plays on.
    {"LevelListMissing", "levels/levels.ini", nullptr,
     "Reading levels...done!\n"
     "[WARN] Level list 'levels\\levels.ini' is missing; there are no levels to play\n",
     Ending::PlaysOn, 0},
    {"LevelListNamingAMissingFile", "levels/levels.ini", "levels\\level.lvl\nlevels\\gone.lvl\n",
     "Reading levels...done!\n"
     "[WARN] Level list 'levels\\levels.ini' names 'levels\\gone.lvl', which does not exist\n",
     Ending::PlaysOn, 0},
    {"LevelWithABallInRock", levelFile,
     "xDim 3\nyDim 3\nzDim 3\nplayer 1 1 1\nair 1 1 1\nball 0 1 1\n",
     "[Warn] LevelLoader: Item 'ball' in line 6 lies in rock at 0|1|1\n", Ending::PlaysOn, 0},

    // Sounds: a warning, and the game plays on.
    {"SoundMissing", "sound/VexmorDark.mp3", nullptr,
     "[WARN] Sound: can't play 'sound\\VexmorDark.mp3'\n", Ending::PlaysOn, 0},
    {"SoundThatIsNoSound", "sound/VexmorBright.mp3", "not a sound",
     "[WARN] Sound: can't play 'sound\\VexmorBright.mp3'\n", Ending::PlaysOn, 0},
};

// Every path below `root` with its size and modification time, leaving out `skipped`.
std::set<std::string> snapshot(const fs::path& root, const fs::path& skipped) {
    std::set<std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
        if (it->path() == skipped) {
            it.disable_recursion_pending();
            continue;
        }
        const auto time = fs::last_write_time(it->path()).time_since_epoch().count();
        const auto size = it->is_regular_file() ? fs::file_size(it->path()) : 0;
        entries.insert(it->path().lexically_relative(root).string() + " " + std::to_string(size) +
                       " " + std::to_string(time));
    }
    return entries;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class BadInputE2E : public ::testing::TestWithParam<BadInput> {
protected:
    // The temporary folder holds the working directory and an empty home; the game may
    // change only the first.
    void SetUp() override {
        fs::create_directory(home);
        fs::create_directory(work);
        for (const char* folder : {"shader", "models", "img", "sound"}) {
            fs::copy(fs::path(VEXMOR_DATA_DIR) / folder, work / folder,
                     fs::copy_options::recursive);
        }
        outside.write("work/levels/levels.ini", "levels\\level.lvl\n");
        outside.write("work/levels/level.lvl", goodLevel);
        const BadInput& bad = GetParam();
        if (bad.content == nullptr) {
            ASSERT_TRUE(fs::remove(work / bad.file)) << bad.file;
        } else {
            outside.write(fs::path("work").append(bad.file).string(), bad.content);
        }
        before = snapshot(outside.path(), work);

        game.setEnvironment("HOME", home.string());
        // A working, silent sound device, as a player has one. With none at all, OpenAL
        // Soft's probe for a PulseAudio server has libpulse leave runtime files of its own
        // under the home folder and in /tmp.
        game.setEnvironment("ALSOFT_DRIVERS", "null");
        game.start();
    }

    TempDirectory outside;
    fs::path work = outside.path() / "work";
    fs::path home = outside.path() / "home";
    GameProcess game{work};
    std::set<std::string> before;
};

} // namespace

TEST_P(BadInputE2E, TheGameSaysWhatIsWrongAndEndsAsItShould) {
    const BadInput& bad = GetParam();
    if (bad.ending == Ending::PlaysOn) {
        ASSERT_NE(game.waitForWindow(20s), 0u) << game.output();
        ASSERT_TRUE(game.waitForOutput("First render...\n", 30s)) << game.output();
        game.tapKey("Escape");
    }
    const std::optional<int> status = game.waitForExit(20s);
    const std::string output = game.output();
    ASSERT_TRUE(status.has_value()) << "still running:\n" << output;
    EXPECT_EQ(*status, bad.status) << output;

    const std::size_t message = output.find(bad.message);
    EXPECT_NE(message, std::string::npos) << bad.message << "not in:\n" << output;
    switch (bad.ending) {
    case Ending::FatalAfterPause:
        EXPECT_EQ(output.find(pauseLine), output.size() - std::string(pauseLine).size())
            << "one pause, at the end:\n"
            << output;
        break;
    case Ending::FatalAtOnce:
        EXPECT_TRUE(endsWith(output, bad.message)) << output;
        EXPECT_EQ(output.find("Press any key"), std::string::npos) << output;
        break;
    case Ending::PlaysOn:
        EXPECT_NE(output.find("Program ended.\n", message), std::string::npos) << output;
        break;
    }

    EXPECT_EQ(snapshot(outside.path(), work), before)
        << "something outside the working directory changed";
    EXPECT_TRUE(fs::is_empty(home)) << "the game wrote into the home folder";
}

INSTANTIATE_TEST_SUITE_P(OneThingBroken, BadInputE2E, ::testing::ValuesIn(badInputs),
                         [](const ::testing::TestParamInfo<BadInput>& info) {
                             return std::string(info.param.name);
                         });
