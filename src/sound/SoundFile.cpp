#include "sound/SoundFile.h"

#include "platform/Paths.h"

#include <iostream>

namespace Vexmor::sound {

SoundFile::SoundFile(const std::string& name)
    : file(sf_open(platform::hostPath(name).c_str(), SFM_READ, &info)) {}

std::uint32_t SoundFile::lengthMilliseconds() const {
    if (!file || info.samplerate <= 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(info.frames * 1000 / info.samplerate);
}

std::vector<std::int16_t> SoundFile::readAll() {
    // The header's frame count is only an estimate for MP3, so read until the end.
    constexpr sf_count_t chunkFrames = 16384;
    std::vector<std::int16_t> samples;
    if (!file || info.channels <= 0) {
        return samples;
    }
    for (;;) {
        const std::size_t used = samples.size();
        samples.resize(used + chunkFrames * info.channels);
        const sf_count_t read = sf_readf_short(file.get(), samples.data() + used, chunkFrames);
        samples.resize(used + read * info.channels);
        if (read < chunkFrames) {
            return samples;
        }
    }
}

void warnCantPlay(const std::string& name) {
    std::cout << "[WARN] Sound: can't play '" << name << "'" << std::endl;
}

} // namespace Vexmor::sound
