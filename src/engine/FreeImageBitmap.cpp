#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Vexmor::engine {

namespace {

struct MemoryCloser {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

void FreeImageDeleter::operator()(FIBITMAP* bitmap) const {
    FreeImage_Unload(bitmap);
}

std::string writePng(FIBITMAP* bitmap, const std::string& path, bool replace) {
    const std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory());
    BYTE* bytes = nullptr;
    DWORD size = 0;
    if (!memory || !FreeImage_SaveToMemory(FIF_PNG, bitmap, memory.get(), PNG_DEFAULT) ||
        !FreeImage_AcquireMemory(memory.get(), &bytes, &size)) {
        return "the image could not be encoded as PNG";
    }
    // "x" fails on a file that is there.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), replace ? "wb" : "wbx"));
    if (!file || std::fwrite(bytes, 1, size, file.get()) != size) {
        return std::strerror(errno);
    }
    if (std::fclose(file.release()) != 0) {
        return std::strerror(errno);
    }
    return "";
}

} // namespace Vexmor::engine
