#pragma once

#include "hud/RgbaImage.h"

#include <string>

namespace Vexmor::levelcheck {

// Writes the image as a PNG file; the reason it could not, or "" once written.
std::string writePng(const hud::RgbaImage& image, const std::string& path);

} // namespace Vexmor::levelcheck
