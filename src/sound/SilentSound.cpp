#include "sound/SilentSound.h"

#include <cmath>
#include <utility>

namespace Vexmor::sound {

SilentSound::SilentSound(bool loop, bool startPaused, std::uint32_t lengthMilliseconds, Clock clock)
    : clock(std::move(clock)), loop(loop), length(lengthMilliseconds), stopped(startPaused),
      startSeconds(this->clock()) {}

void SilentSound::setVolume(float newVolume) {
    volume = newVolume;
}

float SilentSound::getVolume() const {
    return volume;
}

double SilentSound::elapsedMilliseconds() const {
    return (clock() - startSeconds) * 1000.0;
}

std::uint32_t SilentSound::getPlayPosition() {
    if (stopped) {
        return 0;
    }
    double position = elapsedMilliseconds();
    if (length > 0) {
        position = loop ? std::fmod(position, static_cast<double>(length))
                        : std::fmin(position, static_cast<double>(length));
    }
    return static_cast<std::uint32_t>(position);
}

void SilentSound::setPlayPosition(std::uint32_t milliseconds) {
    startSeconds = clock() - milliseconds / 1000.0;
}

void SilentSound::stop() {
    stopped = true;
}

bool SilentSound::isFinished() {
    return stopped || (!loop && length > 0 && elapsedMilliseconds() >= length);
}

} // namespace Vexmor::sound
