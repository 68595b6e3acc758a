#include "sound/OpenAlSound.h"

namespace Vexmor::sound {

OpenAlSound::~OpenAlSound() {
    if (const auto playing = voice.lock()) {
        playing->dropped = true;
    }
}

void OpenAlSound::setVolume(float volume) {
    if (const auto playing = voice.lock()) {
        alSourcef(playing->source.get(), AL_GAIN, volume);
    }
}

float OpenAlSound::getVolume() const {
    ALfloat gain = 0.0f;
    if (const auto playing = voice.lock()) {
        alGetSourcef(playing->source.get(), AL_GAIN, &gain);
    }
    return gain;
}

std::uint32_t OpenAlSound::getPlayPosition() {
    const auto playing = voice.lock();
    if (!playing) {
        return 0;
    }
    ALint frame = 0;
    alGetSourcei(playing->source.get(), AL_SAMPLE_OFFSET, &frame);
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(frame) * 1000 /
                                      playing->sound.sampleRate);
}

void OpenAlSound::setPlayPosition(std::uint32_t milliseconds) {
    const auto playing = voice.lock();
    if (!playing) {
        return;
    }
    const ALuint source = playing->source.get();
    std::int64_t frame = static_cast<std::int64_t>(milliseconds) * playing->sound.sampleRate / 1000;
    if (frame >= playing->sound.frames) {
        // The other music track may be a little longer: a loop comes round again, anything
        // else is over.
        ALint loop = AL_FALSE;
        alGetSourcei(source, AL_LOOPING, &loop);
        if (loop != AL_TRUE) {
            alSourceStop(source);
            return;
        }
        frame %= playing->sound.frames;
    }
    alSourcei(source, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
}

void OpenAlSound::stop() {
    if (const auto playing = voice.lock()) {
        alSourceStop(playing->source.get());
    }
}

bool OpenAlSound::isFinished() {
    const auto playing = voice.lock();
    return !playing || !playing->isPlaying();
}

} // namespace Vexmor::sound
