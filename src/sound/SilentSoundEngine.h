#pragma once

#include "sound/SilentSound.h"
#include "sound/SoundEngine.h"

#include <utility>

namespace Vexmor::sound {

// The engine when there is no audio device: every sound plays silently.
class SilentSoundEngine : public SoundEngine {
public:
    explicit SilentSoundEngine(SilentSound::Clock clock = platform::clockSeconds)
        : clock(std::move(clock)) {}

    std::unique_ptr<Sound> play2D(const std::string& fileName, bool loop, bool startPaused,
                                  bool track) override;

private:
    SilentSound::Clock clock;
};

} // namespace Vexmor::sound
