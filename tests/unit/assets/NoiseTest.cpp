#include "image/Noise.h"

#include <gtest/gtest.h>

using Vexmor::assetgen::tiledCells;
using Vexmor::assetgen::tiledFbm;
using Vexmor::assetgen::tiledNoise;

TEST(TiledNoise, WrapsAtTheImageBorderSoTexturesTile) {
    for (float t = 0.0f; t < 1.0f; t += 0.037f) {
        EXPECT_NEAR(tiledNoise(0.0f, t, 7, 3), tiledNoise(1.0f, t, 7, 3), 1e-5f);
        EXPECT_NEAR(tiledNoise(t, 0.0f, 5, 9, 3), tiledNoise(t, 1.0f, 5, 9, 3), 1e-5f);
        EXPECT_NEAR(tiledFbm(t, 0.0f, 4, 5, 8), tiledFbm(t, 1.0f, 4, 5, 8), 1e-5f);
        EXPECT_EQ(tiledCells(0.0f, t, 6, 2).id, tiledCells(1.0f, t, 6, 2).id);
    }
}

TEST(TiledNoise, StaysInRangeAndVaries) {
    float low = 1.0f;
    float high = 0.0f;
    for (int i = 0; i < 1000; ++i) {
        const float value = tiledFbm(i * 0.0137f, i * 0.0291f, 8, 4, 11);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    EXPECT_GE(low, 0.0f);
    EXPECT_LE(high, 1.0f);
    EXPECT_GT(high - low, 0.3f);
}

TEST(TiledCells, BorderDistanceIsSmallOnlyNearABorder) {
    // Walking across the tile, the nearest cell changes only where the border is near.
    auto previous = tiledCells(0.0f, 0.5f, 6, 4);
    for (int i = 1; i <= 2000; ++i) {
        const auto sample = tiledCells(i / 2000.0f, 0.5f, 6, 4);
        EXPECT_GE(sample.edge, -1e-4f);
        if (sample.id != previous.id) {
            EXPECT_LT(sample.edge, 0.01f);
        }
        previous = sample;
    }
}
