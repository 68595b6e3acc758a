#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path sounds = fs::path(VEXMOR_DATA_DIR) / "sound";

struct Decoded {
    SF_INFO info{};
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(info.channels); }
};

struct Closer {
    void operator()(SNDFILE* handle) const { sf_close(handle); }
};

// Reads to the end: for MP3 the header's frame count is only what the encoder wrote.
Decoded decode(const std::string& file) {
    Decoded decoded;
    const std::unique_ptr<SNDFILE, Closer> handle(
        sf_open((sounds / file).c_str(), SFM_READ, &decoded.info));
    EXPECT_TRUE(handle) << file << ": " << sf_strerror(nullptr);
    if (!handle) {
        return decoded;
    }
    std::vector<float> chunk(4096 * static_cast<std::size_t>(decoded.info.channels));
    sf_count_t read = 0;
    while ((read = sf_readf_float(handle.get(), chunk.data(), 4096)) > 0) {
        decoded.samples.insert(decoded.samples.end(), chunk.begin(),
                               chunk.begin() + read * decoded.info.channels);
    }
    return decoded;
}

double rms(const std::vector<float>& samples, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

} // namespace

TEST(ShippedSounds, TheEraTracksHaveTheSameLengthSoTheyStayInStep) {
    // The switch hands one track's play position to the other.
    const Decoded dark = decode("VexmorDark.mp3");
    const Decoded bright = decode("VexmorBright.mp3");
    for (const Decoded* track : {&dark, &bright}) {
        EXPECT_EQ(track->info.samplerate, 44100);
        EXPECT_EQ(track->info.channels, 2);
        EXPECT_EQ(static_cast<std::size_t>(track->info.frames), track->frames());
        EXPECT_GT(rms(track->samples, 0, track->samples.size()), 0.05);
    }
    EXPECT_EQ(dark.frames(), bright.frames());
    // Sixteen bars of four beats at 90 beats per minute.
    EXPECT_EQ(dark.frames(), 16u * 4u * 29400u);
    EXPECT_NE(dark.samples, bright.samples);
    for (const char* file : {"VexmorDark.mp3", "VexmorBright.mp3"}) {
        EXPECT_LE(fs::file_size(sounds / file), 1024u * 1024u) << file;
    }
}

TEST(ShippedSounds, TheMusicLoopsWithoutAClick) {
    for (const char* file : {"VexmorDark.mp3", "VexmorBright.mp3"}) {
        SCOPED_TRACE(file);
        const Decoded track = decode(file);
        ASSERT_GT(track.frames(), 1000u);
        for (std::size_t channel = 0; channel < 2; ++channel) {
            std::vector<float> steps;
            for (std::size_t i = 1; i < track.frames(); ++i) {
                steps.push_back(std::abs(track.samples[2 * i + channel] -
                                         track.samples[2 * (i - 1) + channel]));
            }
            std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
            const float usual = steps[steps.size() * 99 / 100];
            const float wrap = std::abs(track.samples[channel] -
                                        track.samples[track.samples.size() - 2 + channel]);
            EXPECT_LE(wrap, usual) << "channel " << channel;
        }
    }
}

TEST(ShippedSounds, TheMachineStartsWithARisingBuzzOfAboutThreeSeconds) {
    const Decoded buzz = decode("buzzing_woosh.wav");
    EXPECT_EQ(buzz.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    const double seconds = static_cast<double>(buzz.frames()) / buzz.info.samplerate;
    EXPECT_GE(seconds, 2.5);
    EXPECT_LE(seconds, 3.5);
    const std::size_t n = buzz.samples.size();
    EXPECT_GT(rms(buzz.samples, n / 2, n * 7 / 8), 1.5 * rms(buzz.samples, 0, n / 4));
    const float peak =
        *std::max_element(buzz.samples.begin(), buzz.samples.end(),
                          [](float a, float b) { return std::abs(a) < std::abs(b); });
    EXPECT_LT(std::abs(peak), 1.0f);
}
