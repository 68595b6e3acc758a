#pragma once

#include "sound/Sound.h"

#include <memory>
#include <string>

namespace Vexmor::sound {

// Plays sound files. A missing file or a missing audio device never fails a call: the
// sound then plays silently, its position still advancing with time.
class SoundEngine {
public:
    virtual ~SoundEngine() = default;

    // Starts `fileName` (a game name like "sound\\VexmorDark.mp3"). With `track` the
    // caller gets the handle of the playing sound; without, the sound plays on its own
    // and null is returned.
    virtual std::unique_ptr<Sound> play2D(const std::string& fileName, bool loop, bool startPaused,
                                          bool track) = 0;
};

} // namespace Vexmor::sound
