#pragma once

#include "sound/SoundEngine.h"

namespace Vexmor::sound {

// The engine when there is no audio device: every sound plays silently.
class SilentSoundEngine : public SoundEngine {
public:
    std::unique_ptr<Sound> play2D(const std::string& fileName, bool loop, bool startPaused,
                                  bool track) override;
};

} // namespace Vexmor::sound
