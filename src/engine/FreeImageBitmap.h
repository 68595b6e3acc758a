#pragma once

#include <memory>
#include <string>

struct FIBITMAP;

namespace Vexmor::engine {

struct FreeImageDeleter {
    void operator()(FIBITMAP* bitmap) const;
};

// A FreeImage bitmap, unloaded when it goes.
using FreeImageBitmap = std::unique_ptr<FIBITMAP, FreeImageDeleter>;

// Writes the bitmap as a PNG file; the reason it could not, or "" once written. The image
// is encoded first, so a failure to write can say why. Without `replace` an existing file
// is never overwritten, even one that appeared since the name was chosen.
std::string writePng(FIBITMAP* bitmap, const std::string& path, bool replace);

} // namespace Vexmor::engine
