#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using Vexmor::engine::FreeImageBitmap;

const fs::path images = fs::path(VEXMOR_DATA_DIR) / "img";

FreeImageBitmap load(const std::string& file) {
    const std::string path = (images / file).string();
    return FreeImageBitmap(FreeImage_Load(FreeImage_GetFileType(path.c_str(), 0), path.c_str(), 0));
}

bool powerOfTwo(unsigned value) {
    return value != 0 && (value & (value - 1)) == 0;
}

// Luminance 0..255 of a pixel of a 24- or 32-bit bitmap; rows counted from the bottom.
double luminance(FIBITMAP* bitmap, unsigned x, unsigned y) {
    RGBQUAD colour;
    FreeImage_GetPixelColor(bitmap, x, y, &colour);
    return 0.2126 * colour.rgbRed + 0.7152 * colour.rgbGreen + 0.0722 * colour.rgbBlue;
}

double meanLuminance(FIBITMAP* bitmap) {
    double sum = 0.0;
    const unsigned w = FreeImage_GetWidth(bitmap);
    const unsigned h = FreeImage_GetHeight(bitmap);
    for (unsigned y = 0; y < h; ++y) {
        for (unsigned x = 0; x < w; ++x) {
            sum += luminance(bitmap, x, y);
        }
    }
    return sum / (w * h);
}

unsigned alphaAt(FIBITMAP* bitmap, unsigned x, unsigned y) {
    RGBQUAD colour;
    FreeImage_GetPixelColor(bitmap, x, y, &colour);
    return colour.rgbReserved;
}

struct Named {
    const char* file;
    unsigned bitsPerPixel;
};

// Every image the game names; the screen hints and the icon need their alpha.
const Named everyImage[] = {
    {"Wall.png", 24},           {"WallDirty.png", 24},       {"FloorCeil.png", 24},
    {"FloorCeilDirty.png", 24}, {"Wall_destructed.png", 24}, {"WallDirty_destructed.png", 24},
    {"door_texture.png", 24},   {"default.png", 24},         {"capsule_off.png", 24},
    {"capsule_on.png", 24},     {"lock_up_off.png", 24},     {"lock_up_on.png", 24},
    {"lock_down_off.png", 24},  {"lock_down_on.png", 24},    {"rotator_off.png", 24},
    {"rotator_on.png", 24},     {"chair.png", 24},           {"VexmorHelp.png", 24},
    {"winning.png", 24},        {"interact.png", 32},        {"OnGround.png", 32},
    {"icon.png", 32},           {"locked.png", 32},          {"crosshair.png", 32},
    {"Stairs.png", 24},         {"StairsDirty.png", 24},     {"use_plate.png", 24},
    {"other_side.png", 32},
};

// Mean step across the wrap (last column to first, last row to first) against the mean
// step between neighbours inside: a seam shows as a much larger jump.
void expectSeamless(FIBITMAP* bitmap) {
    const unsigned w = FreeImage_GetWidth(bitmap);
    const unsigned h = FreeImage_GetHeight(bitmap);
    double inside = 0.0;
    double across = 0.0;
    for (unsigned i = 0; i < h; ++i) {
        inside += std::abs(luminance(bitmap, w / 2, i) - luminance(bitmap, w / 2 - 1, i));
        across += std::abs(luminance(bitmap, 0, i) - luminance(bitmap, w - 1, i));
    }
    for (unsigned i = 0; i < w; ++i) {
        inside += std::abs(luminance(bitmap, i, h / 2) - luminance(bitmap, i, h / 2 - 1));
        across += std::abs(luminance(bitmap, i, 0) - luminance(bitmap, i, h - 1));
    }
    EXPECT_LT(across, 2.0 * inside + 1.0);
}

} // namespace

TEST(ShippedImages, EveryImageLoadsAtAPowerOfTwoSize) {
    for (const Named& image : everyImage) {
        SCOPED_TRACE(image.file);
        const FreeImageBitmap bitmap = load(image.file);
        ASSERT_TRUE(bitmap);
        EXPECT_TRUE(powerOfTwo(FreeImage_GetWidth(bitmap.get())));
        EXPECT_TRUE(powerOfTwo(FreeImage_GetHeight(bitmap.get())));
        EXPECT_EQ(FreeImage_GetBPP(bitmap.get()), image.bitsPerPixel);
    }
    EXPECT_EQ(FreeImage_GetWidth(load("interact.png").get()), 128u);
    EXPECT_EQ(FreeImage_GetWidth(load("icon.png").get()), 64u);
    EXPECT_EQ(FreeImage_GetHeight(load("icon.png").get()), 64u);
    EXPECT_EQ(FreeImage_GetWidth(load("VexmorHelp.png").get()), 1024u);
    EXPECT_EQ(FreeImage_GetWidth(load("winning.png").get()), 1024u);
}

TEST(ShippedImages, SurfacesTileWithoutSeams) {
    for (const char* file : {"Wall.png", "WallDirty.png", "FloorCeil.png", "FloorCeilDirty.png",
                             "Wall_destructed.png", "WallDirty_destructed.png"}) {
        SCOPED_TRACE(file);
        const FreeImageBitmap bitmap = load(file);
        ASSERT_TRUE(bitmap);
        expectSeamless(bitmap.get());
    }
}

TEST(ShippedImages, TheDarkEraIsVisiblyDarkerAndLitPartsAreBrighter) {
    const std::pair<const char*, const char*> darker[] = {
        {"WallDirty.png", "Wall.png"},
        {"FloorCeilDirty.png", "FloorCeil.png"},
        {"WallDirty_destructed.png", "Wall_destructed.png"},
        {"StairsDirty.png", "Stairs.png"},
        {"capsule_off.png", "capsule_on.png"},
        {"rotator_off.png", "rotator_on.png"},
        {"lock_up_off.png", "lock_up_on.png"},
        {"lock_down_off.png", "lock_down_on.png"},
    };
    for (const auto& [dim, bright] : darker) {
        const double dimMean = meanLuminance(load(dim).get());
        const double brightMean = meanLuminance(load(bright).get());
        EXPECT_LT(dimMean, brightMean) << dim << " against " << bright;
    }
    EXPECT_LT(meanLuminance(load("WallDirty.png").get()),
              0.7 * meanLuminance(load("Wall.png").get()));
    EXPECT_LT(meanLuminance(load("FloorCeilDirty.png").get()),
              0.7 * meanLuminance(load("FloorCeil.png").get()));
}

TEST(ShippedImages, HintsAreClearAroundAndSolidInTheMiddle) {
    for (const char* file :
         {"interact.png", "OnGround.png", "icon.png", "locked.png", "other_side.png"}) {
        SCOPED_TRACE(file);
        const FreeImageBitmap bitmap = load(file);
        ASSERT_TRUE(bitmap);
        const unsigned w = FreeImage_GetWidth(bitmap.get());
        const unsigned h = FreeImage_GetHeight(bitmap.get());
        for (const auto& [x, y] : {std::pair{0u, 0u}, {w - 1, 0u}, {0u, h - 1}, {w - 1, h - 1}}) {
            EXPECT_EQ(alphaAt(bitmap.get(), x, y), 0u) << x << ", " << y;
        }
        EXPECT_GT(alphaAt(bitmap.get(), w / 2, h / 2), 100u);
    }
}
