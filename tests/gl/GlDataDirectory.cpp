#include "GlDataDirectory.h"

#include <FreeImage.h>

#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

const char* const cubeObj = R"(# unit cube
v -0.5 -0.5 0.5
v 0.5 -0.5 0.5
v 0.5 0.5 0.5
v -0.5 0.5 0.5
v -0.5 -0.5 -0.5
v 0.5 -0.5 -0.5
v 0.5 0.5 -0.5
v -0.5 0.5 -0.5
vt 0 0
vt 1 0
vt 1 1
vt 0 1
vn 0 0 1
vn 0 0 -1
vn 1 0 0
vn -1 0 0
vn 0 1 0
vn 0 -1 0
f 1/1/1 2/2/1 3/3/1
f 1/1/1 3/3/1 4/4/1
f 6/1/2 5/2/2 8/3/2
f 6/1/2 8/3/2 7/4/2
f 2/1/3 6/2/3 7/3/3
f 2/1/3 7/3/3 3/4/3
f 5/1/4 1/2/4 4/3/4
f 5/1/4 4/3/4 8/4/4
f 4/1/5 3/2/5 7/3/5
f 4/1/5 7/3/5 8/4/5
f 5/1/6 6/2/6 2/3/6
f 5/1/6 2/3/6 1/4/6
)";

GlDataDirectory::GlDataDirectory() {
    std::string pattern = (fs::temp_directory_path() / "vexmor-gl-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("can't make a temporary directory");
    }
    root = pattern;
    fs::create_directory_symlink(fs::path(VEXMOR_DATA_DIR) / "shader", root / "shader");
    previous = fs::current_path();
    fs::current_path(root);
}

GlDataDirectory::~GlDataDirectory() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
    fs::remove_all(root, ignored);
}

void GlDataDirectory::write(const std::string& relative, const std::string& content) const {
    const fs::path file = root / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

void GlDataDirectory::writeCheckerPng(const std::string& relative, int size, unsigned int rgbA,
                                      unsigned int rgbB) const {
    const fs::path file = root / relative;
    fs::create_directories(file.parent_path());
    FIBITMAP* bitmap = FreeImage_Allocate(size, size, 24);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const unsigned int rgb = ((x / 4 + y / 4) % 2 == 0) ? rgbA : rgbB;
            RGBQUAD colour{static_cast<BYTE>(rgb & 0xFF), static_cast<BYTE>((rgb >> 8) & 0xFF),
                           static_cast<BYTE>((rgb >> 16) & 0xFF), 0};
            FreeImage_SetPixelColor(bitmap, static_cast<unsigned>(x), static_cast<unsigned>(y),
                                    &colour);
        }
    }
    FreeImage_Save(FIF_PNG, bitmap, file.c_str(), 0);
    FreeImage_Unload(bitmap);
}
