#include "GlDataDirectory.h"

#include "Soak.h"
#include "common/CoutCapture.h"

#include "physics/OwnedRigidBody.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelManager.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <memory>
#include <sstream>

using namespace Vexmor;
namespace fs = std::filesystem;

namespace {

constexpr int cyclesPerLevel = 5;
constexpr int framesPerCycle = 60;
#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer keeps freed blocks in quarantine, so resident memory grows whatever the
// game does; bodies and GL objects still count, and LeakSanitizer looks at the rest.
constexpr double allowedGrowth = std::numeric_limits<double>::infinity();
#else
constexpr double allowedGrowth = 0.05;
#endif

// The shipped data directory, linked into a temporary working directory.
class SoakGl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(soak::setUp(window)) << "no display for the GL tests";
        data = std::make_unique<GlDataDirectory>();
        for (const char* folder : {"levels", "models", "img", "sound"}) {
            fs::create_directory_symlink(fs::path(VEXMOR_DATA_DIR) / folder, data->path() / folder);
        }
    }

    void TearDown() override {
        data.reset();
        soak::tearDown(window);
    }

    platform::Window window;
    std::unique_ptr<GlDataDirectory> data;
};

soak::Cycle cycle(std::size_t bodiesAfter, std::size_t buffers, std::size_t residentKiB) {
    soak::Cycle made;
    made.bodiesBefore = 3;
    made.bodiesAfter = bodiesAfter;
    made.glAfter.buffers = buffers;
    made.glAfter.textures = 20;
    made.residentAfterKiB = residentKiB;
    return made;
}

struct Verdict {
    const char* what;
    std::vector<soak::Cycle> cycles;
    std::vector<std::string> expected;
};

} // namespace

TEST(SoakVerdict, NamesEveryKindOfLeftover) {
    const Verdict verdicts[] = {
        {"steady", {cycle(3, 40, 1000), cycle(3, 40, 1040), cycle(3, 40, 1049)}, {}},
        {"a body left alive",
         {cycle(3, 40, 1000), cycle(4, 40, 1000)},
         {"cycle 2: 4 live bodies after, 3 before"}},
        {"a buffer more than after the first cycle",
         {cycle(3, 40, 1000), cycle(3, 40, 1000), cycle(3, 41, 1000)},
         {"cycle 3: 41 buffers, 0 vertex arrays, 0 framebuffers, 0 programs, 20 textures "
          "after, 40 buffers, 0 vertex arrays, 0 framebuffers, 0 programs, 20 textures after "
          "cycle 1"}},
        {"memory grown past the limit",
         {cycle(3, 40, 1000), cycle(3, 40, 900), cycle(3, 40, 1051)},
         {"resident memory grew from 1000 KiB to 1051 KiB"}},
        {"a single cycle has nothing to compare", {cycle(3, 40, 1000)}, {}},
    };
    for (const Verdict& verdict : verdicts) {
        EXPECT_EQ(soak::leftovers(verdict.cycles, 0.05), verdict.expected) << verdict.what;
    }
}

// The soak's counts are only worth something if they see what a level holds while it runs.
TEST_F(SoakGl, TheCountsSeeWhatAnOpenLevelHoldsAndItsCloseGivesBack) {
    const soak::GlObjects before = soak::countGlObjects();
    const std::size_t bodiesBefore = physics::OwnedRigidBody::liveCount();
    platform::ScriptedInput input;
    platform::setActiveInput(&input);
    soak::NoNextLevel changer;
    screen::LevelManager level(soak::listedLevels("levels\\levels.ini").front(), &changer);
    CoutCapture quiet;
    level.init();
    level.update(0.1);
    level.render();

    const soak::GlObjects open = soak::countGlObjects();
    EXPECT_GT(physics::OwnedRigidBody::liveCount(), bodiesBefore);
    EXPECT_EQ(open.framebuffers, before.framebuffers + 1) << "the shadow map";
    EXPECT_GT(open.buffers, before.buffers) << "the level's models";
    EXPECT_GT(open.vertexArrays, before.vertexArrays);
    EXPECT_EQ(open.programs, before.programs + 7) << "the game's seven shader programs";
    EXPECT_GE(open.textures, before.textures + 2) << "the shadow map and what the walls show";

    level.close();
    platform::setActiveInput(nullptr);
    const soak::GlObjects closed = soak::countGlObjects();
    EXPECT_EQ(physics::OwnedRigidBody::liveCount(), bodiesBefore);
    EXPECT_EQ(closed.framebuffers, before.framebuffers);
    EXPECT_EQ(closed.textures, open.textures - 1) << "only the shadow map's texture goes";
    EXPECT_EQ(closed.buffers, open.buffers) << "models stay in their library";
    EXPECT_EQ(closed.programs, open.programs);
}

// Every level of the campaign, built and torn down again and again in one process, gives
// back its bodies and GL objects and does not make the process grow.
TEST_F(SoakGl, EveryListedLevelGivesBackWhatItTookCycleAfterCycle) {
    const std::vector<std::string> levels = soak::listedLevels("levels\\levels.ini");
    ASSERT_FALSE(levels.empty());
    for (const std::string& level : levels) {
        std::vector<soak::Cycle> cycles;
        std::ostringstream console;
        for (int i = 0; i < cyclesPerLevel; ++i) {
            cycles.push_back(soak::playOnce(level, framesPerCycle, console));
            EXPECT_TRUE(cycles.back().endedBright) << level << ": the era never switched";
        }
        std::ostringstream figures;
        for (std::size_t i = 0; i < cycles.size(); ++i) {
            figures << "cycle " << i + 1 << ": " << cycles[i] << "\n";
        }
        EXPECT_EQ(soak::leftovers(cycles, allowedGrowth), std::vector<std::string>{})
            << level << "\n"
            << figures.str();
        EXPECT_EQ(console.str().find("[WARN] [Vexmor"), std::string::npos)
            << level << ": the renderer warned\n"
            << console.str();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << level;
    }
}
