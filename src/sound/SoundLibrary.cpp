#include "sound/SoundLibrary.h"

#include "sound/SilentSoundEngine.h"

namespace Vexmor::sound {

std::unique_ptr<SoundLibrary> SoundLibrary::instance;

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

SoundLibrary::SoundLibrary() : engine(std::make_unique<SilentSoundEngine>()) {}

SoundLibrary::~SoundLibrary() {
    engine.reset();
}

} // namespace Vexmor::sound
