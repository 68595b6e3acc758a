#include "levelcheck/PngFile.h"

#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>

namespace Vexmor::levelcheck {

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
    return engine::writePng(bitmap.get(), path, true);
}

} // namespace Vexmor::levelcheck
