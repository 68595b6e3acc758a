#include "audio/Audio.h"

#include "Random.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::assetgen {

std::vector<float> machineStartSound() {
    constexpr double twoPi = 6.283185307179586;
    constexpr double length = 3.0;
    const auto frames = static_cast<std::size_t>(length * sampleRate);
    std::vector<float> out(frames);
    double buzzPhase = 0.0;
    double fifthPhase = 0.0;
    OnePoleLowPass buzzTone;
    StateVariableFilter whoosh;
    StateVariableFilter whooshNarrow;
    StateVariableFilter crackleFilter;
    Random sparks(0x5A9);
    float crackle = 0.0f;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double progress = t / length;
        // The buzz climbs two octaves, chopped by the mains hum, and gets brighter.
        const double frequency = 55.0 * std::pow(2.0, 2.0 * progress);
        buzzPhase += frequency / sampleRate;
        fifthPhase += frequency * 1.5 * 1.003 / sampleRate;
        const double hum = 0.55 + 0.45 * std::abs(std::sin(twoPi * 50.0 * t));
        float buzz = (sawtooth(buzzPhase, frequency / sampleRate) +
                      0.6f * sawtooth(fifthPhase, frequency * 1.5 / sampleRate)) *
                     static_cast<float>(hum);
        buzz = std::tanh(2.5f * buzz);
        buzz = buzzTone.process(buzz, static_cast<float>(300.0 + 3500.0 * progress * progress));
        // Sparks: clicks that come more often as the machine winds up.
        if (sparks.unit() < 0.0004 + 0.004 * progress * progress) {
            crackle = sparks.range(0.4f, 1.0f) * (sparks.unit() < 0.5f ? -1.0f : 1.0f);
        }
        crackle *= 0.93f;
        const float spark = crackleFilter.process(crackle, 3000.0f, 0.8f).high;
        // The whoosh: noise through a band sweeping up, swelling toward the end.
        const auto centre = static_cast<float>(250.0 * std::pow(12.0, progress));
        const float air =
            whooshNarrow
                .process(
                    whoosh.process(noiseAt(static_cast<std::int64_t>(i), 77), centre, 1.5f).band,
                    centre, 2.0f)
                .band;
        const double swell = std::pow(std::sin(3.14159265 * std::min(1.0, progress * 1.15)), 2.0);
        const double fadeIn = std::min(1.0, t / 0.25);
        const double fadeOut = std::min(1.0, (length - t) / 0.3);
        const double level = fadeIn * fadeOut;
        out[i] = static_cast<float>(
            (0.7 * buzz * (0.4 + 0.6 * progress) + 0.3 * spark + 0.8 * air * swell) * level);
    }
    float peak = 0.0f;
    for (const float s : out) {
        peak = std::max(peak, std::abs(s));
    }
    for (float& s : out) {
        s *= 0.9f / peak;
    }
    return out;
}

} // namespace Vexmor::assetgen
