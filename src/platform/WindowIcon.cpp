#include "platform/WindowIcon.h"

#include "platform/Paths.h"

#include <FreeImage.h>

#include <memory>

namespace Vexmor::platform {

namespace {

struct Unloader {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, Unloader>;

} // namespace

std::optional<IconImage> loadIcon(const std::string& name) {
    const std::string path = hostPath(name);
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) {
        return std::nullopt;
    }
    const Bitmap loaded(FreeImage_Load(format, path.c_str(), 0));
    if (!loaded) {
        return std::nullopt;
    }
    const Bitmap converted(FreeImage_ConvertTo32Bits(loaded.get()));
    if (!converted) {
        return std::nullopt;
    }
    IconImage icon;
    icon.width = static_cast<int>(FreeImage_GetWidth(converted.get()));
    icon.height = static_cast<int>(FreeImage_GetHeight(converted.get()));
    icon.rgba.reserve(static_cast<std::size_t>(icon.width) * icon.height * 4);
    // FreeImage keeps the bottom row first and its bytes in BGRA order.
    for (int y = icon.height - 1; y >= 0; --y) {
        const BYTE* row = FreeImage_GetScanLine(converted.get(), y);
        for (int x = 0; x < icon.width; ++x) {
            const BYTE* pixel = row + 4 * x;
            icon.rgba.insert(icon.rgba.end(), {pixel[FI_RGBA_RED], pixel[FI_RGBA_GREEN],
                                               pixel[FI_RGBA_BLUE], pixel[FI_RGBA_ALPHA]});
        }
    }
    return icon;
}

} // namespace Vexmor::platform
