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

    // The player's volumes, 0 to 1. Music scales what the level sets its tracks to; effects
    // are the sounds that play on their own, without a handle, from their start.
    void setVolumes(float music, float effects) {
        musicVolume = music;
        effectsVolume = effects;
    }
    float getMusicVolume() const { return musicVolume; }
    float getEffectsVolume() const { return effectsVolume; }

private:
    float musicVolume = 1.0f;
    float effectsVolume = 1.0f;
};

} // namespace Vexmor::sound
