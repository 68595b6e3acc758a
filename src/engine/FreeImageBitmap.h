#pragma once

#include <memory>

struct FIBITMAP;

namespace Vexmor::engine {

struct FreeImageDeleter {
    void operator()(FIBITMAP* bitmap) const;
};

// A FreeImage bitmap, unloaded when it goes.
using FreeImageBitmap = std::unique_ptr<FIBITMAP, FreeImageDeleter>;

} // namespace Vexmor::engine
