#pragma once

#include <cstdint>

namespace Vexmor::sound {

// One playing sound as the game holds it: volume, position, stop. Dropping the handle
// (destroying it) releases the game's reference; a sound still playing goes on until it
// ends unless it was stopped.
class Sound {
public:
    virtual ~Sound() = default;

    // 0.0 silent to 1.0 full.
    virtual void setVolume(float volume) = 0;
    virtual float getVolume() const = 0;
    // Milliseconds into the track; only ever handed back to setPlayPosition.
    virtual std::uint32_t getPlayPosition() = 0;
    virtual void setPlayPosition(std::uint32_t milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isFinished() = 0;
};

} // namespace Vexmor::sound
