#include "audio/Synth.h"

#include "Random.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Vexmor::assetgen {

namespace {

constexpr double pi = 3.141592653589793;

// A feedback comb with a damping low pass in its loop (Freeverb style).
class Comb {
public:
    explicit Comb(std::size_t length) : line(length, 0.0f) {}

    float process(float input, float feedback, float damping) {
        const float out = line[position];
        filtered = out * (1.0f - damping) + filtered * damping;
        line[position] = input + filtered * feedback;
        position = (position + 1) % line.size();
        return out;
    }

private:
    std::vector<float> line;
    std::size_t position = 0;
    float filtered = 0.0f;
};

class AllPass {
public:
    explicit AllPass(std::size_t length) : line(length, 0.0f) {}

    float process(float input) {
        const float delayed = line[position];
        const float out = delayed - input;
        line[position] = input + delayed * 0.5f;
        position = (position + 1) % line.size();
        return out;
    }

private:
    std::vector<float> line;
    std::size_t position = 0;
};

struct ReverbChannel {
    std::array<Comb, 4> combs;
    std::array<AllPass, 2> allPasses;

    explicit ReverbChannel(std::size_t spread)
        : combs{Comb(1116 + spread), Comb(1188 + spread), Comb(1277 + spread), Comb(1356 + spread)},
          allPasses{AllPass(556 + spread), AllPass(441 + spread)} {}

    float process(float input, float decay) {
        float sum = 0.0f;
        for (Comb& comb : combs) {
            sum += comb.process(input, decay, 0.3f);
        }
        for (AllPass& pass : allPasses) {
            sum = pass.process(sum);
        }
        return sum * 0.25f;
    }
};

} // namespace

float noteFrequency(float midiNote) {
    return 440.0f * std::pow(2.0f, (midiNote - 69.0f) / 12.0f);
}

void LoopBuffer::add(std::int64_t frame, float left, float right) {
    const auto length = static_cast<std::int64_t>(buffer.frames());
    const auto index = static_cast<std::size_t>(((frame % length) + length) % length);
    buffer.samples[2 * index] += left;
    buffer.samples[2 * index + 1] += right;
}

void LoopBuffer::addPanned(std::int64_t frame, float sample, float pan) {
    // Equal-power pan.
    const float angle = static_cast<float>((pan + 1.0f) * pi * 0.25);
    add(frame, sample * std::cos(angle), sample * std::sin(angle));
}

float sawtooth(double phase, double phaseStep) {
    const double t = phase - std::floor(phase);
    double value = 2.0 * t - 1.0;
    if (t < phaseStep) {
        const double x = t / phaseStep;
        value -= x + x - x * x - 1.0;
    } else if (t > 1.0 - phaseStep) {
        const double x = (t - 1.0) / phaseStep;
        value -= x * x + x + x + 1.0;
    }
    return static_cast<float>(value);
}

StateVariableFilter::Output StateVariableFilter::process(float input, float cutoffHz,
                                                         float resonance) {
    const float f =
        2.0f * static_cast<float>(std::sin(pi * std::min(cutoffHz, 12000.0f) / sampleRate));
    const float damping = 1.0f / std::max(resonance, 0.5f);
    low += f * band;
    const float high = input - low - damping * band;
    band += f * high;
    return {low, band, high};
}

float OnePoleLowPass::process(float input, float cutoffHz) {
    const float a = 1.0f - static_cast<float>(std::exp(-2.0 * pi * cutoffHz / sampleRate));
    state += a * (input - state);
    return state;
}

float envelope(double t, double attack, double releaseStart, double releaseLength) {
    if (t < 0.0) {
        return 0.0f;
    }
    double level = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    level = level * level * (3.0 - 2.0 * level);
    if (t > releaseStart) {
        const double fade = std::max(0.0, 1.0 - (t - releaseStart) / releaseLength);
        level *= fade * fade;
    }
    return static_cast<float>(level);
}

void addSpace(StereoBuffer& loop, float echoSeconds, float echoFeedback, float echoSend,
              float reverbSend, float reverbDecay) {
    const std::size_t frames = loop.frames();
    const auto echoFrames = static_cast<std::size_t>(echoSeconds * sampleRate);
    std::vector<float> echoLeft(echoFrames, 0.0f);
    std::vector<float> echoRight(echoFrames, 0.0f);
    std::size_t echoPosition = 0;
    OnePoleLowPass echoToneLeft;
    OnePoleLowPass echoToneRight;
    ReverbChannel reverbLeft(0);
    ReverbChannel reverbRight(23);
    const std::vector<float> dry = loop.samples;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < frames; ++i) {
            const float left = dry[2 * i];
            const float right = dry[2 * i + 1];
            // Ping-pong: each side's echo feeds the other, darker every time round.
            const float echoL = echoLeft[echoPosition];
            const float echoR = echoRight[echoPosition];
            echoLeft[echoPosition] =
                echoToneLeft.process(left * echoSend + echoR * echoFeedback, 3500.0f);
            echoRight[echoPosition] =
                echoToneRight.process(right * echoSend + echoL * echoFeedback, 3500.0f);
            echoPosition = (echoPosition + 1) % echoFrames;
            const float wetL = reverbLeft.process((left + echoL) * reverbSend, reverbDecay);
            const float wetR = reverbRight.process((right + echoR) * reverbSend, reverbDecay);
            if (pass == 1) {
                loop.samples[2 * i] = left + echoL + wetL;
                loop.samples[2 * i + 1] = right + echoR + wetR;
            }
        }
    }
}

void master(StereoBuffer& buffer, float targetRms) {
    double sum = 0.0;
    for (const float s : buffer.samples) {
        sum += static_cast<double>(s) * s;
    }
    const double rms = std::sqrt(sum / static_cast<double>(buffer.samples.size()));
    const float gain = rms > 0.0 ? static_cast<float>(targetRms / rms) : 1.0f;
    for (float& s : buffer.samples) {
        // Linear up to 0.6, then bending smoothly toward 0.98.
        const float x = s * gain;
        const float a = std::abs(x);
        const float shaped = a < 0.6f ? a : 0.6f + 0.38f * std::tanh((a - 0.6f) / 0.38f);
        s = std::copysign(shaped, x);
    }
}

float noiseAt(std::int64_t frame, std::uint32_t seed) {
    return hashUnit(static_cast<std::int32_t>(frame), static_cast<std::int32_t>(frame >> 31),
                    seed) *
               2.0f -
           1.0f;
}

} // namespace Vexmor::assetgen
