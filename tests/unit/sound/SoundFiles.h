#pragma once

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Each test runs in a fresh directory holding a "sound" folder for the tones it writes, so
// the engines are called with names in the game's own form ("sound\\tone.wav").
class SoundFilesTest : public ::testing::Test {
protected:
    static constexpr int wav = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    static constexpr int mp3 = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;

    void SetUp() override {
        directory =
            std::filesystem::temp_directory_path() / ("vexmor-sound-" + std::to_string(getpid()));
        std::filesystem::create_directories(directory / "sound");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
    }

    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(directory);
    }

    // A 440 Hz sine at 44.1 kHz; false when libsndfile cannot write `format` here.
    static bool writeTone(const std::string& path, int format, int channels, int milliseconds) {
        constexpr int rate = 44100;
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = format;
        const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(
            sf_open(path.c_str(), SFM_WRITE, &info), sf_close);
        if (!file) {
            return false;
        }
        const int frames = rate * milliseconds / 1000;
        std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * channels);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double t = static_cast<double>(i / channels) / rate;
            samples[i] = static_cast<std::int16_t>(8000.0 * std::sin(2.0 * M_PI * 440.0 * t));
        }
        return sf_writef_short(file.get(), samples.data(), frames) == frames;
    }

private:
    std::filesystem::path directory;
    std::filesystem::path previous;
};
