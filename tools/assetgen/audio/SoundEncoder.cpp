#include "audio/Audio.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace Vexmor::assetgen {

namespace {

// A file in memory for libsndfile's virtual I/O.
struct MemoryFile {
    Bytes bytes;
    sf_count_t position = 0;
};

sf_count_t memoryLength(void* user) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t base = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? file->position
                                                 : static_cast<sf_count_t>(file->bytes.size());
    file->position = std::max<sf_count_t>(0, base + offset);
    return file->position;
}

sf_count_t memoryRead(void* destination, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const auto size = static_cast<sf_count_t>(file->bytes.size());
    const sf_count_t available = std::max<sf_count_t>(0, std::min(count, size - file->position));
    std::memcpy(destination, file->bytes.data() + file->position,
                static_cast<std::size_t>(available));
    file->position += available;
    return available;
}

sf_count_t memoryWrite(const void* source, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const auto end = static_cast<std::size_t>(file->position + count);
    if (end > file->bytes.size()) {
        file->bytes.resize(end);
    }
    std::memcpy(file->bytes.data() + file->position, source, static_cast<std::size_t>(count));
    file->position += count;
    return count;
}

sf_count_t memoryTell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

struct SoundFileCloser {
    void operator()(SNDFILE* handle) const { sf_close(handle); }
};
using SoundFileHandle = std::unique_ptr<SNDFILE, SoundFileCloser>;

Bytes encode(const std::vector<float>& interleaved, int channels, int format,
             void (*configure)(SNDFILE*)) {
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile file;
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format;
    {
        const SoundFileHandle handle(sf_open_virtual(&io, SFM_WRITE, &info, &file));
        if (!handle) {
            throw std::runtime_error(std::string("libsndfile: ") + sf_strerror(nullptr));
        }
        configure(handle.get());
        const sf_count_t frames = static_cast<sf_count_t>(interleaved.size()) / channels;
        if (sf_writef_float(handle.get(), interleaved.data(), frames) != frames) {
            throw std::runtime_error(std::string("libsndfile: ") + sf_strerror(handle.get()));
        }
    }
    return file.bytes;
}

} // namespace

Bytes encodeMp3(const StereoBuffer& music) {
    return encode(music.samples, 2, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, [](SNDFILE* handle) {
        // Variable bit rate at a middling quality: about 130 kbit/s for this music.
        int mode = SF_BITRATE_MODE_VARIABLE;
        sf_command(handle, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
        double level = 0.45;
        sf_command(handle, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    });
}

Bytes encodeWav(const std::vector<float>& mono) {
    return encode(mono, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, [](SNDFILE*) {});
}

} // namespace Vexmor::assetgen
