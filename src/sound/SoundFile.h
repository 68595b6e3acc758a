#pragma once

#include <sndfile.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::sound {

// A sound file read through libsndfile (WAV, MP3 and the rest it knows).
class SoundFile {
public:
    // Opens the file behind a game name like "sound\\buzzing_woosh.wav".
    explicit SoundFile(const std::string& name);

    bool isOpen() const { return file != nullptr; }
    int channels() const { return info.channels; }
    int sampleRate() const { return info.samplerate; }
    // From the header alone; 0 when the file is not open or empty.
    std::uint32_t lengthMilliseconds() const;
    // Decodes the whole file into interleaved 16-bit samples.
    std::vector<std::int16_t> readAll();

private:
    struct Closer {
        void operator()(SNDFILE* handle) const { sf_close(handle); }
    };

    SF_INFO info{};
    std::unique_ptr<SNDFILE, Closer> file;
};

// "[WARN] Sound: can't play '<name>'"
void warnCantPlay(const std::string& name);

} // namespace Vexmor::sound
