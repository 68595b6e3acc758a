#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vexmor::platform {

// An image as the window system wants it for an icon: 8-bit RGBA, rows from the top.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// Reads the image behind a game file name ("img\\icon.png"); nothing when there is no
// such file or it is not an image.
std::optional<IconImage> loadIcon(const std::string& name);

} // namespace Vexmor::platform
