#pragma once

#include <cstdint>
#include <vector>

namespace Vexmor::assetgen {

constexpr int sampleRate = 44100;

float noteFrequency(float midiNote);

// Interleaved stereo samples in -1..1.
struct StereoBuffer {
    std::vector<float> samples;

    explicit StereoBuffer(std::size_t frames) : samples(2 * frames, 0.0f) {}
    std::size_t frames() const { return samples.size() / 2; }
};

// A stereo buffer that is one loop long: anything written past its end comes round to
// the start, so a note ringing over the loop point is heard again at the beginning and
// the loop plays on without a seam.
class LoopBuffer {
public:
    explicit LoopBuffer(std::size_t frames) : buffer(frames) {}

    void add(std::int64_t frame, float left, float right);
    // A mono sample placed between the speakers; pan -1 left .. +1 right.
    void addPanned(std::int64_t frame, float sample, float pan);
    std::size_t frames() const { return buffer.frames(); }
    StereoBuffer& data() { return buffer; }
    const StereoBuffer& data() const { return buffer; }

private:
    StereoBuffer buffer;
};

// Band-limited sawtooth (PolyBLEP), phase in cycles.
float sawtooth(double phase, double phaseStep);

// Chamberlin state-variable filter: low, band and high pass at once.
class StateVariableFilter {
public:
    struct Output {
        float low;
        float band;
        float high;
    };
    Output process(float input, float cutoffHz, float resonance);

private:
    float low = 0.0f;
    float band = 0.0f;
};

class OnePoleLowPass {
public:
    float process(float input, float cutoffHz);

private:
    float state = 0.0f;
};

// Attack, hold at full level until `release` starts, then an exponential-ish fade.
float envelope(double t, double attack, double releaseStart, double releaseLength);

// Runs a small stereo reverb and a ping-pong echo over a loop, treating the loop as
// endless: the effects run twice round and the second pass is kept, so their tails
// at the end flow into the start.
void addSpace(StereoBuffer& loop, float echoSeconds, float echoFeedback, float echoSend,
              float reverbSend, float reverbDecay);

// Scales to a common loudness and rounds off peaks softly.
void master(StereoBuffer& buffer, float targetRms);

// Deterministic white noise for a frame index, -1..1.
float noiseAt(std::int64_t frame, std::uint32_t seed);

} // namespace Vexmor::assetgen
