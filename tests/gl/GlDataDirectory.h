#pragma once

#include <filesystem>
#include <string>

// A temporary working directory for GL tests: the shipped shaders linked in, room for
// test models and images, and the previous working directory restored afterwards.
class GlDataDirectory {
public:
    GlDataDirectory();
    ~GlDataDirectory();
    GlDataDirectory(const GlDataDirectory&) = delete;
    GlDataDirectory& operator=(const GlDataDirectory&) = delete;

    const std::filesystem::path& path() const { return root; }
    void write(const std::string& relative, const std::string& content) const;
    // A 24-bit PNG of the given size in a checker of two colours (RGB bytes).
    void writeCheckerPng(const std::string& relative, int size, unsigned int rgbA,
                         unsigned int rgbB) const;

private:
    std::filesystem::path root;
    std::filesystem::path previous;
};

// A unit cube around the origin: 8 positions, 4 texture coordinates, 6 normals and
// 12 triangles over 24 distinct corners, wound counter-clockwise seen from outside.
extern const char* const cubeObj;
