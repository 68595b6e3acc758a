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
    // The player's music and effects volumes: for the engine now, or the one made later
    // (the engine opens with the first level, not before).
    static void setVolumes(float music, float effects);

    ~SoundLibrary();

    std::unique_ptr<SoundEngine> engine;

private:
    SoundLibrary();

    static std::unique_ptr<SoundLibrary> instance;
    static float musicVolume;
    static float effectsVolume;
};

} // namespace Vexmor::sound
