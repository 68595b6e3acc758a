#include "levelcheck/PngFile.h"

#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Vexmor::levelcheck {

namespace {

struct MemoryCloser {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string writePng(const hud::RgbaImage& image, const std::string& path) {
    const engine::FreeImageBitmap bitmap(FreeImage_Allocate(image.width(), image.height(), 32));
    if (!bitmap) {
        return "no memory for the image";
    }
    for (int y = 0; y < image.height(); ++y) {
        // FreeImage keeps the bottom row first.
        BYTE* row = FreeImage_GetScanLine(bitmap.get(), image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const hud::RgbaImage::Pixel pixel = image.at(x, y);
            BYTE* out = row + x * 4;
            out[FI_RGBA_RED] = pixel[0];
            out[FI_RGBA_GREEN] = pixel[1];
            out[FI_RGBA_BLUE] = pixel[2];
            out[FI_RGBA_ALPHA] = pixel[3];
        }
    }
    // Encoded first, so that a failure to write can say why.
    const std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory(nullptr, 0));
    BYTE* bytes = nullptr;
    DWORD size = 0;
    if (!memory || !FreeImage_SaveToMemory(FIF_PNG, bitmap.get(), memory.get(), PNG_DEFAULT) ||
        !FreeImage_AcquireMemory(memory.get(), &bytes, &size)) {
        return "the image could not be encoded as PNG";
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file || std::fwrite(bytes, 1, size, file.get()) != size) {
        return std::strerror(errno);
    }
    if (std::fclose(file.release()) != 0) {
        return std::strerror(errno);
    }
    return "";
}

} // namespace Vexmor::levelcheck
