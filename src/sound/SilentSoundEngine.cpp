#include "sound/SilentSoundEngine.h"

#include "sound/SilentSound.h"

namespace Vexmor::sound {

std::unique_ptr<Sound> SilentSoundEngine::play2D(const std::string& /*fileName*/, bool loop,
                                                 bool startPaused, bool track) {
    if (!track) {
        return nullptr;
    }
    return std::make_unique<SilentSound>(loop, startPaused, 0);
}

} // namespace Vexmor::sound
