#include "image/Image.h"

#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace Vexmor::assetgen {

namespace {

struct MemoryCloser {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

BYTE toByte(float value) {
    return static_cast<BYTE>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

Image::Image(int width, int height, const glm::vec4& fill)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * height, fill) {}

void Image::blend(int x, int y, const glm::vec4& colour, float cover) {
    if (x < 0 || y < 0 || x >= w || y >= h) {
        return;
    }
    glm::vec4& under = at(x, y);
    const float a = std::clamp(colour.a * cover, 0.0f, 1.0f);
    const float out = a + under.a * (1.0f - a);
    if (out <= 0.0f) {
        return;
    }
    const glm::vec3 rgb = (glm::vec3(colour) * a + glm::vec3(under) * under.a * (1.0f - a)) / out;
    under = glm::vec4(rgb, out);
}

void Image::fillRect(int x0, int y0, int x1, int y1, const glm::vec4& colour) {
    for (int y = std::max(y0, 0); y < std::min(y1, h); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, w); ++x) {
            blend(x, y, colour);
        }
    }
}

Bytes encodePng(const Image& image, bool withAlpha) {
    const int bpp = withAlpha ? 32 : 24;
    const engine::FreeImageBitmap bitmap(FreeImage_Allocate(image.width(), image.height(), bpp));
    if (!bitmap) {
        throw std::runtime_error("FreeImage could not allocate an image");
    }
    const int step = bpp / 8;
    for (int y = 0; y < image.height(); ++y) {
        // FreeImage keeps the bottom row first.
        BYTE* row = FreeImage_GetScanLine(bitmap.get(), image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const glm::vec4& p = image.at(x, y);
            BYTE* out = row + x * step;
            out[FI_RGBA_RED] = toByte(p.r);
            out[FI_RGBA_GREEN] = toByte(p.g);
            out[FI_RGBA_BLUE] = toByte(p.b);
            if (withAlpha) {
                out[FI_RGBA_ALPHA] = toByte(p.a);
            }
        }
    }
    const std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory(nullptr, 0));
    if (!memory || !FreeImage_SaveToMemory(FIF_PNG, bitmap.get(), memory.get(), PNG_DEFAULT)) {
        throw std::runtime_error("FreeImage could not encode a PNG");
    }
    BYTE* data = nullptr;
    DWORD size = 0;
    FreeImage_AcquireMemory(memory.get(), &data, &size);
    return Bytes(data, data + size);
}

float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace Vexmor::assetgen
