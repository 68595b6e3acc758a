#include "audio/Synth.h"

#include <gtest/gtest.h>

#include <cmath>

using Vexmor::assetgen::addSpace;
using Vexmor::assetgen::envelope;
using Vexmor::assetgen::LoopBuffer;
using Vexmor::assetgen::master;
using Vexmor::assetgen::StereoBuffer;

TEST(LoopBuffer, WhatRingsPastTheEndComesRoundToTheStart) {
    LoopBuffer loop(100);
    loop.add(98, 1.0f, 2.0f);
    loop.add(103, 3.0f, 4.0f);
    loop.add(-1, 5.0f, 6.0f);
    const auto& s = loop.data().samples;
    EXPECT_EQ(s[2 * 98], 1.0f);
    EXPECT_EQ(s[2 * 3], 3.0f);
    EXPECT_EQ(s[2 * 3 + 1], 4.0f);
    EXPECT_EQ(s[2 * 99], 5.0f);
    EXPECT_EQ(s[2 * 99 + 1], 6.0f);
}

TEST(LoopBuffer, CentredPanIsEqualPowerOnBothSides) {
    LoopBuffer loop(4);
    loop.addPanned(0, 1.0f, 0.0f);
    loop.addPanned(1, 1.0f, -1.0f);
    const auto& s = loop.data().samples;
    EXPECT_NEAR(s[0], std::sqrt(0.5f), 1e-6f);
    EXPECT_NEAR(s[1], std::sqrt(0.5f), 1e-6f);
    EXPECT_NEAR(s[2], 1.0f, 1e-6f);
    EXPECT_NEAR(s[3], 0.0f, 1e-6f);
}

TEST(LoopBuffer, EchoesOfTheLastBeatAreHeardAtTheStart) {
    // A click just before the loop point must echo after the start, as it would in a
    // loop playing on: the effects treat the buffer as endless.
    constexpr std::size_t frames = 44100;
    StereoBuffer buffer(frames);
    buffer.samples[2 * (frames - 10)] = 1.0f;
    addSpace(buffer, 0.25f, 0.5f, 1.0f, 0.0f, 0.5f);
    double early = 0.0;
    for (std::size_t i = 0; i < frames / 2; ++i) {
        early += std::abs(buffer.samples[2 * i]) + std::abs(buffer.samples[2 * i + 1]);
    }
    EXPECT_GT(early, 0.1);
}

TEST(Synth, EnvelopeRisesHoldsAndFadesToSilence) {
    EXPECT_EQ(envelope(-0.1, 0.5, 2.0, 1.0), 0.0f);
    EXPECT_EQ(envelope(0.0, 0.5, 2.0, 1.0), 0.0f);
    EXPECT_GT(envelope(0.25, 0.5, 2.0, 1.0), 0.0f);
    EXPECT_LT(envelope(0.25, 0.5, 2.0, 1.0), 1.0f);
    EXPECT_EQ(envelope(1.0, 0.5, 2.0, 1.0), 1.0f);
    EXPECT_LT(envelope(2.5, 0.5, 2.0, 1.0), 1.0f);
    EXPECT_EQ(envelope(3.0, 0.5, 2.0, 1.0), 0.0f);
}

TEST(Synth, MasteringReachesTheLoudnessWithoutClipping) {
    StereoBuffer buffer(1000);
    for (std::size_t i = 0; i < buffer.samples.size(); ++i) {
        buffer.samples[i] = 0.1f * std::sin(0.05f * i) + (i == 500 ? 0.4f : 0.0f);
    }
    master(buffer, 0.2f);
    double sum = 0.0;
    for (const float s : buffer.samples) {
        EXPECT_LT(std::abs(s), 1.0f);
        sum += static_cast<double>(s) * s;
    }
    // The rounded-off peak takes a little loudness with it.
    EXPECT_NEAR(std::sqrt(sum / buffer.samples.size()), 0.2, 0.03);
}
