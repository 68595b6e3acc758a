#include "Soak.h"

#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "engine/TextureLibrary.h"
#include "physics/CollisionShapeLibrary.h"
#include "physics/OwnedRigidBody.h"
#include "platform/ActiveInput.h"
#include "platform/Clock.h"
#include "platform/ConsoleRedirect.h"
#include "platform/Paths.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"
#include "sound/SoundLibrary.h"

#include <GL/glew.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace Vexmor::soak {

namespace {

constexpr double frameSeconds = 0.1;
constexpr int windowWidth = 128;
constexpr int windowHeight = 96;
// glibc's initial threshold.
constexpr int mmapThreshold = 128 * 1024;

// Names below the one GL hands out next, plus a margin in case freed names are reused
// before new ones.
constexpr GLuint reuseMargin = 4096;

template <typename IsName> std::size_t countNames(GLuint next, IsName isName) {
    std::size_t live = 0;
    for (GLuint name = 1; name < next + reuseMargin; ++name) {
        live += isName(name) == GL_TRUE ? 1 : 0;
    }
    return live;
}

GLuint nextName(void (*generate)(GLsizei, GLuint*), void (*remove)(GLsizei, const GLuint*)) {
    GLuint name = 0;
    generate(1, &name);
    remove(1, &name);
    return name;
}

// The player's part in frame `frame`: use what is in reach at the start, switch the era
// where he stands (walking into a stair of the other era would keep it), then walk forward
// and turn through the fog's second half, and use again.
void script(int frame, platform::ScriptedInput& input) {
    switch (frame) {
    case 0:
        input.press('E');
        break;
    case 1:
        input.release('E');
        input.press('T');
        break;
    case 2:
        input.release('T');
        break;
    case 28: // the era has flipped at frame 26
        input.press('W');
        break;
    case 50:
        input.release('W');
        break;
    case 52:
        input.press('E');
        break;
    case 53:
        input.release('E');
        break;
    default:
        break;
    }
    if (input.isKeyDown('W')) {
        input.moveCursor({-4, 0});
    }
}

} // namespace

bool setUp(platform::Window& window) {
    mallopt(M_MMAP_THRESHOLD, mmapThreshold);
    // Read when the driver starts, so before the window's context exists.
    setenv("LP_NUM_THREADS", "0", 1);
    platform::Window::Settings settings;
    settings.width = windowWidth;
    settings.height = windowHeight;
    settings.visible = false;
    if (!window.initialise() || !window.open(settings)) {
        return false;
    }
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        return false;
    }
    // GLEW's probe of the core context leaves an error behind.
    glGetError();
    return true;
}

void tearDown(platform::Window& window) {
    sound::SoundLibrary::destroyInstance();
    engine::ModelLibrary::destroyInstance();
    engine::ShaderLibrary::destroyInstance();
    engine::TextureLibrary::getInstance().releaseAll();
    physics::CollisionShapeLibrary::destroyInstance();
    window.terminate();
}

bool GlObjects::operator==(const GlObjects& other) const {
    return buffers == other.buffers && vertexArrays == other.vertexArrays &&
           framebuffers == other.framebuffers && programs == other.programs &&
           textures == other.textures;
}

std::ostream& operator<<(std::ostream& out, const GlObjects& objects) {
    return out << objects.buffers << " buffers, " << objects.vertexArrays << " vertex arrays, "
               << objects.framebuffers << " framebuffers, " << objects.programs << " programs, "
               << objects.textures << " textures";
}

std::ostream& operator<<(std::ostream& out, const Cycle& cycle) {
    return out << cycle.seconds << " s, bodies " << cycle.bodiesBefore << " -> "
               << cycle.bodiesAfter << ", " << cycle.glAfter << ", " << cycle.residentAfterKiB
               << " KiB resident";
}

GlObjects countGlObjects() {
    GlObjects objects;
    objects.buffers = countNames(nextName(glGenBuffers, glDeleteBuffers), glIsBuffer);
    objects.vertexArrays =
        countNames(nextName(glGenVertexArrays, glDeleteVertexArrays), glIsVertexArray);
    objects.framebuffers =
        countNames(nextName(glGenFramebuffers, glDeleteFramebuffers), glIsFramebuffer);
    objects.textures = countNames(nextName(glGenTextures, glDeleteTextures), glIsTexture);
    const GLuint program = glCreateProgram();
    glDeleteProgram(program);
    objects.programs = countNames(program, glIsProgram);
    return objects;
}

std::size_t residentKiB() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) / 1024;
}

std::vector<std::string> listedLevels(const std::string& levelList) {
    std::ifstream in(platform::hostPath(levelList));
    return screen::LevelList::parse(in);
}

Cycle playOnce(const std::string& levelFile, int frames, std::ostream& console) {
    Cycle cycle;
    cycle.bodiesBefore = physics::OwnedRigidBody::liveCount();
    const double start = platform::clockSeconds();
    {
        const platform::ConsoleRedirect redirect(console);
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        NoNextLevel changer;
        auto level = std::make_unique<screen::LevelManager>(levelFile, &changer);
        level->init();
        for (int frame = 0; frame < frames; ++frame) {
            script(frame, input);
            level->update(frameSeconds);
            level->render();
        }
        cycle.endedBright = level->isBright();
        level->close();
        level.reset();
        platform::setActiveInput(nullptr);
    }
    glFinish();
    cycle.seconds = platform::clockSeconds() - start;
    cycle.bodiesAfter = physics::OwnedRigidBody::liveCount();
    cycle.glAfter = countGlObjects();
    // Heap the game has freed but the allocator keeps as holes between live blocks is no
    // growth of the game's; handed back first, what stays resident is what the game holds.
    malloc_trim(0);
    cycle.residentAfterKiB = residentKiB();
    return cycle;
}

std::vector<std::string> leftovers(const std::vector<Cycle>& cycles, double memoryGrowth) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < cycles.size(); ++i) {
        const Cycle& cycle = cycles[i];
        const std::string name = "cycle " + std::to_string(i + 1);
        if (cycle.bodiesAfter != cycle.bodiesBefore) {
            found.push_back(name + ": " + std::to_string(cycle.bodiesAfter) +
                            " live bodies after, " + std::to_string(cycle.bodiesBefore) +
                            " before");
        }
        if (cycle.glAfter != cycles.front().glAfter) {
            std::ostringstream text;
            text << name << ": " << cycle.glAfter << " after, " << cycles.front().glAfter
                 << " after cycle 1";
            found.push_back(text.str());
        }
    }
    if (cycles.size() > 1) {
        const double first = static_cast<double>(cycles.front().residentAfterKiB);
        const double last = static_cast<double>(cycles.back().residentAfterKiB);
        if (last > first * (1.0 + memoryGrowth)) {
            std::ostringstream text;
            text << "resident memory grew from " << cycles.front().residentAfterKiB << " KiB to "
                 << cycles.back().residentAfterKiB << " KiB";
            found.push_back(text.str());
        }
    }
    return found;
}

} // namespace Vexmor::soak
