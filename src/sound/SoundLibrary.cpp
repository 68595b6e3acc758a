#include "sound/SoundLibrary.h"

#include "sound/OpenAlSoundEngine.h"
#include "sound/SilentSoundEngine.h"

#include <iostream>

namespace Vexmor::sound {

namespace {

// Without a device the game still runs, just without sound.
std::unique_ptr<SoundEngine> openEngine() {
    if (auto engine = OpenAlSoundEngine::open()) {
        return engine;
    }
    std::cout << "[WARN] Sound: no audio device, playing silently" << std::endl;
    return std::make_unique<SilentSoundEngine>();
}

} // namespace

std::unique_ptr<SoundLibrary> SoundLibrary::instance;
float SoundLibrary::musicVolume = 1.0f;
float SoundLibrary::effectsVolume = 1.0f;

void SoundLibrary::setVolumes(float music, float effects) {
    musicVolume = music;
    effectsVolume = effects;
    if (instance) {
        instance->engine->setVolumes(music, effects);
    }
}

SoundLibrary& SoundLibrary::getInstance() {
    if (!instance) {
        instance.reset(new SoundLibrary());
    }
    return *instance;
}

bool SoundLibrary::hasInstance() {
    return instance != nullptr;
}

void SoundLibrary::destroyInstance() {
    instance.reset();
}

SoundLibrary::SoundLibrary() : engine(openEngine()) {
    engine->setVolumes(musicVolume, effectsVolume);
}

SoundLibrary::~SoundLibrary() {
    engine.reset();
}

} // namespace Vexmor::sound
