#include "engine/AnisotropyLimit.h"

#include <gtest/gtest.h>

using Vexmor::engine::softwareAnisotropy;
using Vexmor::engine::usableAnisotropy;

TEST(AnisotropyLimit, OnlySoftwareRasterisersAreHeldBack) {
    EXPECT_EQ(usableAnisotropy(16.0f, "AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"), 16.0f);
    EXPECT_EQ(usableAnisotropy(16.0f, "llvmpipe (LLVM 15.0.6, 256 bits)"), softwareAnisotropy);
    EXPECT_EQ(usableAnisotropy(16.0f, "softpipe"), softwareAnisotropy);
    // Never more than the driver offers, and no extension stays no extension.
    EXPECT_EQ(usableAnisotropy(0.0f, "llvmpipe (LLVM 15.0.6, 256 bits)"), 0.0f);
    EXPECT_EQ(usableAnisotropy(0.0f, ""), 0.0f);
}
