#include "sound/OpenAlSoundEngine.h"

#include "sound/OpenAlSound.h"
#include "sound/SilentSound.h"
#include "sound/SoundFile.h"

#include <algorithm>
#include <limits>

namespace Vexmor::sound {

std::unique_ptr<OpenAlSoundEngine> OpenAlSoundEngine::open() {
    openal::Device device(alcOpenDevice(nullptr));
    if (!device) {
        return nullptr;
    }
    openal::Context context(alcCreateContext(device.get(), nullptr));
    if (!context || alcMakeContextCurrent(context.get()) != ALC_TRUE) {
        return nullptr;
    }
    return std::make_unique<OpenAlSoundEngine>(std::move(device), std::move(context));
}

OpenAlSoundEngine::OpenAlSoundEngine(openal::Device device, openal::Context context)
    : device(std::move(device)), context(std::move(context)) {}

std::unique_ptr<Sound> OpenAlSoundEngine::play2D(const std::string& fileName, bool loop,
                                                 bool startPaused, bool track) {
    // Effects nobody tracks are freed here rather than every frame; a few stay a while.
    reapEnded();
    const openal::DecodedSound* sound = decoded(fileName);
    std::shared_ptr<openal::Voice> voice = sound ? start(*sound, loop, startPaused) : nullptr;
    if (!voice) {
        warnCantPlay(fileName);
        if (!track) {
            return nullptr;
        }
        const auto length = sound ? sound->frames * std::int64_t{1000} / sound->sampleRate : 0;
        return std::make_unique<SilentSound>(loop, startPaused, static_cast<std::uint32_t>(length));
    }
    voices.push_back(voice);
    if (!track) {
        voice->dropped = true;
        alSourcef(voice->source.get(), AL_GAIN, getEffectsVolume());
        return nullptr;
    }
    return std::make_unique<OpenAlSound>(voice);
}

const openal::DecodedSound* OpenAlSoundEngine::decoded(const std::string& fileName) {
    if (const auto cached = cache.find(fileName); cached != cache.end()) {
        return &cached->second;
    }
    SoundFile file(fileName);
    if (!file.isOpen() || (file.channels() != 1 && file.channels() != 2)) {
        return nullptr;
    }
    const std::vector<std::int16_t> samples = file.readAll();
    const std::size_t bytes = samples.size() * sizeof(std::int16_t);
    if (samples.empty() || bytes > static_cast<std::size_t>(std::numeric_limits<ALsizei>::max())) {
        return nullptr;
    }
    openal::Buffer buffer;
    if (!buffer) {
        return nullptr;
    }
    alBufferData(buffer.get(), file.channels() == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16,
                 samples.data(), static_cast<ALsizei>(bytes), file.sampleRate());
    if (alGetError() != AL_NO_ERROR) {
        return nullptr;
    }
    const auto frames = static_cast<ALint>(samples.size() / file.channels());
    const auto added =
        cache.emplace(fileName, openal::DecodedSound{std::move(buffer), file.sampleRate(), frames});
    return &added.first->second;
}

std::shared_ptr<openal::Voice> OpenAlSoundEngine::start(const openal::DecodedSound& sound,
                                                        bool loop, bool startPaused) {
    openal::Source source;
    if (!source) {
        return nullptr;
    }
    const ALuint id = source.get();
    alSourcei(id, AL_BUFFER, static_cast<ALint>(sound.buffer.get()));
    alSourcei(id, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    // 2D: the sound sits on the listener wherever the listener is.
    alSourcei(id, AL_SOURCE_RELATIVE, AL_TRUE);
    if (!startPaused) {
        alSourcePlay(id);
    }
    return std::make_shared<openal::Voice>(std::move(source), sound);
}

void OpenAlSoundEngine::reapEnded() {
    voices.erase(
        std::remove_if(voices.begin(), voices.end(),
                       [](const auto& voice) { return voice->dropped && !voice->isPlaying(); }),
        voices.end());
}

} // namespace Vexmor::sound
