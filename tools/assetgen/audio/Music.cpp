#include "audio/Audio.h"

#include <array>
#include <cmath>

namespace Vexmor::assetgen {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr int beatFrames = 29400; // 90 beats per minute
constexpr double loopSeconds = static_cast<double>(musicLoopFrames) / sampleRate;

std::int64_t frameAt(double beat) {
    return static_cast<std::int64_t>(std::llround(beat * beatFrames));
}

double beatsToSeconds(double beats) {
    return beats * beatFrames / sampleRate;
}

// A chord lasts four bars; both tracks move through their four chords together and
// share notes at every step (Am over C6, F over Fmaj7, Dm over Dm7, Em over G6).
using Chord = std::array<float, 4>;

// Warm detuned saws through a two-pole low pass, slow to swell and to fade.
void pad(LoopBuffer& out, double startBeat, double lengthBeats, float pitch, float gain, float pan,
         float brightness, double attack) {
    const double release = 2.5;
    const double length = beatsToSeconds(lengthBeats);
    const auto frames = static_cast<std::int64_t>((length + release) * sampleRate);
    const std::int64_t start = frameAt(startBeat);
    std::array<double, 3> phases{0.0, 0.31, 0.67};
    const std::array<double, 3> steps{noteFrequency(pitch - 0.09f) / sampleRate,
                                      noteFrequency(pitch) / sampleRate,
                                      noteFrequency(pitch + 0.08f) / sampleRate};
    const double subStep = noteFrequency(pitch - 12.0f) / sampleRate;
    OnePoleLowPass first;
    OnePoleLowPass second;
    double subPhase = 0.0;
    const float cutoff = noteFrequency(pitch) * (1.5f + 3.0f * brightness) + 200.0f;
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        float sample = 0.0f;
        for (std::size_t v = 0; v < phases.size(); ++v) {
            sample += sawtooth(phases[v], steps[v]);
            phases[v] += steps[v];
        }
        subPhase += subStep;
        sample = sample / 3.0f + 0.35f * static_cast<float>(std::sin(twoPi * subPhase));
        const float breathe = 1.0f + 0.25f * static_cast<float>(std::sin(twoPi * 0.2 * t));
        sample = second.process(first.process(sample, cutoff * breathe), cutoff * 1.4f);
        out.addPanned(start + i, sample * gain * envelope(t, attack, length, release), pan);
    }
}

// A soft plucked string: decaying harmonics, the high ones dying first. Each harmonic
// is a rotating phasor, cheaper than a sine per sample.
void pluck(LoopBuffer& out, double beat, float pitch, float gain, float pan) {
    constexpr int harmonics = 6;
    const double frequency = noteFrequency(pitch);
    const auto frames = static_cast<std::int64_t>(2.5 * sampleRate);
    const std::int64_t start = frameAt(beat);
    std::array<double, harmonics> re{};
    std::array<double, harmonics> im{};
    std::array<double, harmonics> turnRe{};
    std::array<double, harmonics> turnIm{};
    for (int k = 0; k < harmonics; ++k) {
        const double angle = twoPi * frequency * (k + 1) / sampleRate;
        const double decay = std::exp(-(1.8 + 1.6 * (k + 1)) / sampleRate);
        turnRe[k] = std::cos(angle) * decay;
        turnIm[k] = std::sin(angle) * decay;
        re[k] = 0.0;
        im[k] = 1.0 / std::pow(k + 1, 1.4);
    }
    for (std::int64_t i = 0; i < frames; ++i) {
        double sample = 0.0;
        for (int k = 0; k < harmonics; ++k) {
            sample += im[k];
            const double r = re[k] * turnRe[k] - im[k] * turnIm[k];
            im[k] = re[k] * turnIm[k] + im[k] * turnRe[k];
            re[k] = r;
        }
        const double attack = std::min(1.0, static_cast<double>(i) / (0.004 * sampleRate));
        out.addPanned(start + i, static_cast<float>(sample * attack) * gain, pan);
    }
}

// A glassy bell: frequency modulation that fades faster than the tone.
void bell(LoopBuffer& out, double beat, float pitch, float gain, float pan) {
    const double frequency = noteFrequency(pitch);
    const auto frames = static_cast<std::int64_t>(5.0 * sampleRate);
    const std::int64_t start = frameAt(beat);
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double index = 2.2 * std::exp(-t * 2.5);
        const double modulator = std::sin(twoPi * frequency * 3.5 * t) * index;
        const double tone = std::sin(twoPi * frequency * t + modulator) +
                            0.25 * std::sin(twoPi * frequency * 2.01 * t);
        const double level = std::exp(-t * 0.9) * std::min(1.0, t / 0.002);
        out.addPanned(start + i, static_cast<float>(tone * level) * gain, pan);
    }
}

// A breathy flute-like lead with a late vibrato.
void flute(LoopBuffer& out, double beat, double lengthBeats, float pitch, float gain, float pan,
           std::uint32_t seed) {
    const double length = beatsToSeconds(lengthBeats);
    const auto frames = static_cast<std::int64_t>((length + 0.6) * sampleRate);
    const std::int64_t start = frameAt(beat);
    double phase = 0.0;
    StateVariableFilter breath;
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double vibrato =
            0.12 * std::min(1.0, std::max(0.0, t - 0.35) * 2.0) * std::sin(twoPi * 5.2 * t);
        phase += noteFrequency(pitch + static_cast<float>(vibrato)) / sampleRate;
        const double tone = std::sin(twoPi * phase) + 0.18 * std::sin(2.0 * twoPi * phase);
        const float air =
            breath.process(noiseAt(i, seed), noteFrequency(pitch) * 2.0f, 2.0f).band * 0.15f;
        const float level = envelope(t, 0.12, length, 0.6);
        out.addPanned(start + i, (static_cast<float>(tone) + air) * level * gain, pan);
    }
}

void bass(LoopBuffer& out, double beat, double lengthBeats, float pitch, float gain) {
    const double frequency = noteFrequency(pitch);
    const double length = beatsToSeconds(lengthBeats);
    const auto frames = static_cast<std::int64_t>((length + 0.4) * sampleRate);
    const std::int64_t start = frameAt(beat);
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double x = twoPi * frequency * t;
        const double tone = std::sin(x) + 0.3 * std::sin(2.0 * x) + 0.12 * std::sin(3.0 * x);
        const float shaped = static_cast<float>(std::tanh(1.4 * tone) / std::tanh(1.4));
        out.addPanned(start + i, shaped * gain * envelope(t, 0.015, length, 0.35), 0.0f);
    }
}

// A muffled low drum: a sine falling in pitch.
void thump(LoopBuffer& out, double beat, float gain) {
    const auto frames = static_cast<std::int64_t>(0.6 * sampleRate);
    const std::int64_t start = frameAt(beat);
    double phase = 0.0;
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phase += (42.0 + 50.0 * std::exp(-t * 25.0)) / sampleRate;
        const double level = std::exp(-t * 8.0) * std::min(1.0, t / 0.003);
        out.addPanned(start + i, static_cast<float>(std::sin(twoPi * phase) * level) * gain, 0.0f);
    }
}

void shaker(LoopBuffer& out, double beat, float gain, float pan, std::uint32_t seed) {
    const auto frames = static_cast<std::int64_t>(0.12 * sampleRate);
    const std::int64_t start = frameAt(beat);
    StateVariableFilter filter;
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const float hiss = filter.process(noiseAt(start + i, seed), 7000.0f, 0.7f).high;
        const double level = std::exp(-t * 45.0) * std::min(1.0, t / 0.004);
        out.addPanned(start + i, hiss * static_cast<float>(level) * gain, pan);
    }
}

// A held tone under the whole loop. Its frequency is nudged to a whole number of cycles
// per loop, and its swell to whole cycles too, so it joins itself at the loop point.
void drone(LoopBuffer& out, float pitch, float gain) {
    const double cycles = std::round(noteFrequency(pitch) * loopSeconds);
    const double frequency = cycles / loopSeconds;
    const double beating = (cycles + 3.0) / loopSeconds;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double swell = 0.7 + 0.3 * std::sin(twoPi * 8.0 * t / loopSeconds);
        const double left =
            std::sin(twoPi * frequency * t) + 0.3 * std::sin(twoPi * 3.0 * frequency * t);
        const double right =
            std::sin(twoPi * beating * t) + 0.3 * std::sin(twoPi * 3.0 * beating * t);
        out.add(static_cast<std::int64_t>(i), static_cast<float>(left * swell) * gain,
                static_cast<float>(right * swell) * gain);
    }
}

// Wind: noise through a band pass that slowly opens and closes, run round the loop
// twice so the filter carries over the loop point.
void wind(LoopBuffer& out, float gain) {
    const auto frames = static_cast<std::int64_t>(out.frames());
    StateVariableFilter left;
    StateVariableFilter right;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::int64_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            const float sweep =
                static_cast<float>(0.5 + 0.5 * std::sin(twoPi * 5.0 * t / loopSeconds));
            const float gust =
                static_cast<float>(0.6 + 0.4 * std::sin(twoPi * 11.0 * t / loopSeconds + 1.0));
            const float l = left.process(noiseAt(i, 901), 250.0f + 600.0f * sweep, 3.0f).band;
            const float r = right.process(noiseAt(i, 902), 280.0f + 550.0f * sweep, 3.0f).band;
            if (pass == 1) {
                out.add(i, l * gust * gain, r * gust * gain);
            }
        }
    }
}

} // namespace

StereoBuffer darkMusic() {
    LoopBuffer out(musicLoopFrames);
    // A minor: Am, F, Dm, Em, low and open.
    const std::array<Chord, 4> chords{
        {{45, 52, 60, 64}, {41, 48, 57, 60}, {38, 45, 53, 57}, {40, 47, 55, 59}}};
    const std::array<float, 4> roots{33, 29, 26, 28};
    for (int c = 0; c < 4; ++c) {
        const double start = c * 16.0;
        for (std::size_t n = 0; n < chords[c].size(); ++n) {
            pad(out, start, 16.0, chords[c][n], n == 3 ? 0.05f : 0.08f, -0.5f + 0.33f * n, 0.1f,
                2.5);
        }
        for (int bar = 0; bar < 4; ++bar) {
            bass(out, start + bar * 4.0, 3.0, roots[c], 0.32f);
        }
    }
    drone(out, 33.0f, 0.06f);
    drone(out, 52.0f, 0.015f);
    wind(out, 0.1f);
    // A heartbeat: one thump a bar, doubled every other bar.
    for (int bar = 0; bar < 16; ++bar) {
        thump(out, bar * 4.0, 0.55f);
        if (bar % 2 == 1) {
            thump(out, bar * 4.0 + 0.5, 0.3f);
        }
    }
    // Sparse bells from A minor pentatonic, echoing away.
    const struct {
        int bar;
        double beat;
        float pitch;
    } bells[] = {{0, 2.5, 76},  {1, 1.0, 81},  {2, 0.5, 84},  {3, 2.0, 79},
                 {4, 1.5, 81},  {5, 0.0, 84},  {6, 2.5, 77},  {7, 1.0, 72},
                 {8, 0.5, 74},  {9, 2.0, 77},  {10, 1.0, 81}, {11, 3.0, 69},
                 {12, 1.5, 71}, {13, 0.0, 76}, {14, 2.5, 79}, {15, 1.0, 83}};
    float pan = -0.4f;
    for (const auto& note : bells) {
        bell(out, note.bar * 4.0 + note.beat, note.pitch, 0.1f, pan);
        pan = -pan;
    }
    addSpace(out.data(), 0.5f, 0.45f, 0.35f, 0.5f, 0.86f);
    master(out.data(), 0.14f);
    return out.data();
}

StereoBuffer brightMusic() {
    LoopBuffer out(musicLoopFrames);
    // C major: C6, Fmaj7, Dm7, G6, warm and close.
    const std::array<Chord, 4> chords{
        {{60, 64, 67, 69}, {53, 57, 60, 64}, {57, 60, 62, 65}, {55, 59, 62, 64}}};
    const std::array<float, 4> roots{36, 41, 38, 43};
    for (int c = 0; c < 4; ++c) {
        const double start = c * 16.0;
        for (std::size_t n = 0; n < chords[c].size(); ++n) {
            pad(out, start, 16.0, chords[c][n], 0.06f, -0.45f + 0.3f * n, 0.55f, 0.8);
        }
        // A gentle arpeggio in eighths, up and down the chord an octave higher.
        const std::array<int, 8> pattern{0, 1, 2, 3, 4, 3, 2, 1};
        for (int eighth = 0; eighth < 32; ++eighth) {
            const int step = pattern[eighth % 8];
            const float pitch = step == 4 ? chords[c][0] + 24.0f : chords[c][step] + 12.0f;
            pluck(out, start + eighth * 0.5, pitch, eighth % 2 == 0 ? 0.11f : 0.08f,
                  eighth % 2 == 0 ? -0.3f : 0.3f);
        }
        for (int bar = 0; bar < 4; ++bar) {
            bass(out, start + bar * 4.0, 1.8, roots[c], 0.26f);
            bass(out, start + bar * 4.0 + 2.0, 1.8, roots[c] + (bar % 2 == 1 ? 7.0f : 0.0f), 0.22f);
        }
    }
    for (int beat = 0; beat < 64; ++beat) {
        if (beat % 2 == 0) {
            thump(out, beat, 0.28f);
        }
        shaker(out, beat + 0.5, 0.05f, beat % 2 == 0 ? 0.4f : -0.4f, 500u + beat);
    }
    const struct {
        int bar;
        double beat;
        float pitch;
    } melody[] = {{0, 0.0, 76},  {1, 0.0, 79},  {2, 0.0, 81},  {3, 1.0, 79},
                  {4, 0.0, 81},  {5, 0.0, 84},  {6, 0.0, 81},  {7, 2.0, 77},
                  {8, 0.0, 77},  {9, 0.0, 81},  {10, 0.0, 74}, {11, 2.0, 72},
                  {12, 0.0, 74}, {13, 0.0, 79}, {14, 0.0, 83}, {15, 2.0, 79}};
    std::uint32_t seed = 700;
    for (const auto& note : melody) {
        flute(out, note.bar * 4.0 + note.beat, 2.5, note.pitch, 0.07f, 0.1f, ++seed);
    }
    addSpace(out.data(), 0.5f, 0.3f, 0.2f, 0.3f, 0.8f);
    master(out.data(), 0.14f);
    return out.data();
}

} // namespace Vexmor::assetgen
