#include "sound/SilentSoundEngine.h"

#include "sound/SilentSound.h"
#include "sound/SoundFile.h"

namespace Vexmor::sound {

std::unique_ptr<Sound> SilentSoundEngine::play2D(const std::string& fileName, bool loop,
                                                 bool startPaused, bool track) {
    // Only the header is read: the length lets looped positions wrap as they would when heard.
    const SoundFile file(fileName);
    if (!file.isOpen()) {
        warnCantPlay(fileName);
    }
    if (!track) {
        return nullptr;
    }
    return std::make_unique<SilentSound>(loop, startPaused, file.lengthMilliseconds(), clock);
}

} // namespace Vexmor::sound
