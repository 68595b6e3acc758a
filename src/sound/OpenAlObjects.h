#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <memory>
#include <utility>

namespace Vexmor::sound::openal {

struct DeviceCloser {
    void operator()(ALCdevice* device) const { alcCloseDevice(device); }
};
using Device = std::unique_ptr<ALCdevice, DeviceCloser>;

struct ContextDestroyer {
    void operator()(ALCcontext* context) const {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
};
using Context = std::unique_ptr<ALCcontext, ContextDestroyer>;

// A source or buffer name of the current context, deleted with its owner.
template <void (*generate)(ALsizei, ALuint*), void (*remove)(ALsizei, const ALuint*)> class Name {
public:
    // Leaves the name empty (0) when OpenAL has none to give.
    Name() {
        alGetError();
        generate(1, &id);
        if (alGetError() != AL_NO_ERROR) {
            id = 0;
        }
    }
    Name(Name&& other) noexcept : id(std::exchange(other.id, 0)) {}
    ~Name() {
        if (id != 0) {
            remove(1, &id);
        }
    }

    ALuint get() const { return id; }
    explicit operator bool() const { return id != 0; }

private:
    ALuint id = 0;
};

using Source = Name<alGenSources, alDeleteSources>;
using Buffer = Name<alGenBuffers, alDeleteBuffers>;

// A file decoded once into a buffer that every play of it shares.
struct DecodedSound {
    Buffer buffer;
    ALint sampleRate;
    ALint frames;
};

// One play of a sound. The engine owns it; a tracked sound's handle only watches it.
struct Voice {
    Voice(Source source, const DecodedSound& sound) : source(std::move(source)), sound(sound) {}

    bool isPlaying() const {
        ALint state = AL_STOPPED;
        alGetSourcei(source.get(), AL_SOURCE_STATE, &state);
        return state == AL_PLAYING;
    }

    Source source;
    // Lives in the engine's cache, which outlasts every voice.
    const DecodedSound& sound;
    // Nobody holds a handle any more: the engine frees the voice once it has ended.
    bool dropped = false;
};

} // namespace Vexmor::sound::openal
