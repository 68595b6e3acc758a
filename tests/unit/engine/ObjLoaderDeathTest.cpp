#include "engine/Model.h"
#include "engine/ObjLoader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct BrokenModel {
    const char* content;
    const char* message;
};

// A broken model ends the game before anything reaches the GPU.
const BrokenModel brokenModels[] = {
    {"v 0 0 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 1/1/1 1/1/1 1/1/1\n",
     "\\[ERROR\\] Can't load obj-File 'broken.obj'\\(3\\): invalid param count for f:5"},
    {"v 0 0 0\nvt 0 0 0\n",
     "\\[ERROR\\] Can't load obj-File 'broken.obj'\\(1\\): invalid param count for vt:4"},
    {"v 1 2 3 1\n", "Can't load obj-File 'broken.obj'\\(0\\): invalid param count for v:5"},
    {"v 0 0 0\nvt 0 0\nvn 0 0 1\nf 1/1 1/1 1/1\n",
     "\\[ERROR\\] While loading obj-File 'broken.obj'\\(3\\): invalid faces syntax:1/1"},
    {"v 0 0 0\nvt 0 0\nvn 0 0 1\nf 1//1 1//1 1//1\n", "invalid faces syntax:1//1"},
    {"v 0 0 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 1/1/1 2/1/1\n", "invalid faces syntax:2/1/1"},
    {"v 0 0 0\nvt 0 0\nvn 0 0 1\nf 0/1/1 1/1/1 1/1/1\n", "invalid faces syntax:0/1/1"},
    {"v 0 zero 0\n", "\\[ERROR\\] Can't load obj-File 'broken.obj'\\(0\\): invalid number:zero"},
};

} // namespace

TEST(ObjLoaderDeathTest, EveryBrokenFormEndsTheGameWithStatusThreeAfterAPause) {
    const fs::path dir = fs::temp_directory_path() / ("vexmor-obj-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    for (const BrokenModel& model : brokenModels) {
        std::ofstream("broken.obj") << model.content;
        EXPECT_EXIT(
            {
                dup2(STDERR_FILENO, STDOUT_FILENO);
                Vexmor::engine::ObjLoader().load("broken.obj", nullptr);
            },
            ::testing::ExitedWithCode(3),
            std::string(model.message) + "\nPress any key to continue \\. \\. \\. \n$")
            << model.content;
    }
    fs::current_path(previous);
    fs::remove_all(dir);
}
