#pragma once

#include "Generator.h"
#include "audio/Synth.h"

namespace Vexmor::assetgen {

// The two era loops: the same tempo (90 bpm), bars (16) and length (1,881,600 frames),
// so a cross-fade at any point stays in time and in harmony.
constexpr std::size_t musicLoopFrames = 16 * 4 * 29400;
StereoBuffer darkMusic();
StereoBuffer brightMusic();

// The time machine starting: about three seconds of rising electric buzz and a whoosh.
std::vector<float> machineStartSound();

// Encoders through libsndfile, into memory.
Bytes encodeMp3(const StereoBuffer& music);
Bytes encodeWav(const std::vector<float>& mono);

} // namespace Vexmor::assetgen
