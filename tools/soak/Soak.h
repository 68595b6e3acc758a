#pragma once

#include "platform/Window.h"
#include "screen/LevelChanger.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

// Plays levels over and over in one process and measures what each life of a level leaves
// behind: rigid bodies, GL objects and resident memory. The soak test and the vexmor-soak
// tool share it. Everything here needs a current GL context and runs in a data directory.
namespace Vexmor::soak {

// Gets the process ready for a soak and opens `window` hidden and small, with a current
// context and GLEW ready; false when there is no display. The game still draws its whole
// 1024 x 768 viewport, but llvmpipe shades only the pixels the window has, which keeps a
// long soak short. Resident memory is steadied so that it shows what the game keeps:
// llvmpipe's rasterizer threads are turned off (each grows memory pools of its own over
// the first minutes of drawing), and glibc's mmap threshold is fixed (it rises the first
// time a large block is freed, after which large blocks stay in the heap: a one-off step).
bool setUp(platform::Window& window);
// Releases the process-wide libraries in the game's order while the context is still
// there (they hold GL objects), then closes the window.
void tearDown(platform::Window& window);

// A soak never plays a level to its end; if it did, no level would follow.
class NoNextLevel : public screen::LevelChanger {
public:
    void nextLevel() override {}
};

// Live GL objects of each kind, as GL itself answers for them.
struct GlObjects {
    std::size_t buffers = 0;
    std::size_t vertexArrays = 0;
    std::size_t framebuffers = 0;
    std::size_t programs = 0;
    std::size_t textures = 0;

    bool operator==(const GlObjects& other) const;
    bool operator!=(const GlObjects& other) const { return !(*this == other); }
};
std::ostream& operator<<(std::ostream& out, const GlObjects& objects);

GlObjects countGlObjects();
// The process's resident memory in KiB.
std::size_t residentKiB();

// The level files that a level list names, in play order.
std::vector<std::string> listedLevels(const std::string& levelList);

// One life of a level screen.
struct Cycle {
    std::size_t bodiesBefore = 0;
    std::size_t bodiesAfter = 0;
    GlObjects glAfter;
    std::size_t residentAfterKiB = 0;
    double seconds = 0.0;
    // The walk switches the era once, so a level ends in the bright era.
    bool endedBright = false;
};
// "1.2 s, bodies 0 -> 0, 47 buffers, ..., 140000 KiB resident"
std::ostream& operator<<(std::ostream& out, const Cycle& cycle);

// Builds the level screen, initialises it, plays `frames` frames of a scripted walk (use
// what is in reach, switch the era, walk forward turning, use again), renders each, closes
// and destroys it. The game's console lines go to `console`.
Cycle playOnce(const std::string& levelFile, int frames, std::ostream& console);

// What the cycles of one level show that should not be: bodies left alive, GL objects that
// differ from the first cycle's (which fills the process-wide libraries), and resident
// memory grown by more than `memoryGrowth` (a share) from the end of the first cycle to
// the end of the last. Empty when all is well.
std::vector<std::string> leftovers(const std::vector<Cycle>& cycles, double memoryGrowth);

} // namespace Vexmor::soak
