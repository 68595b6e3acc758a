#pragma once

#include "sound/SoundEngine.h"

#include <memory>

namespace Vexmor::sound {

// The process-wide sound engine, created on first use and released at shutdown.
class SoundLibrary {
public:
    static SoundLibrary& getInstance();
    static bool hasInstance();
    // Releases the engine and the library.
    static void destroyInstance();

    ~SoundLibrary();

    std::unique_ptr<SoundEngine> engine;

private:
    SoundLibrary();

    static std::unique_ptr<SoundLibrary> instance;
};

} // namespace Vexmor::sound
