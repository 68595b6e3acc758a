#pragma once

#include "platform/Clock.h"
#include "sound/Sound.h"

#include <functional>

namespace Vexmor::sound {

// A sound nobody hears: it keeps its volume and its position, which advances with the
// clock (wrapping at the track length when that is known) until it is stopped.
class SilentSound : public Sound {
public:
    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;

    // lengthMilliseconds 0 means unknown: the position grows without end.
    SilentSound(bool loop, bool startPaused, std::uint32_t lengthMilliseconds,
                Clock clock = platform::clockSeconds);

    void setVolume(float volume) override;
    float getVolume() const override;
    std::uint32_t getPlayPosition() override;
    void setPlayPosition(std::uint32_t milliseconds) override;
    void stop() override;
    bool isFinished() override;

private:
    double elapsedMilliseconds() const;

    Clock clock;
    bool loop;
    std::uint32_t length;
    float volume = 1.0f;
    bool stopped = false;
    // The clock time at which the track was at position 0.
    double startSeconds;
};

} // namespace Vexmor::sound
