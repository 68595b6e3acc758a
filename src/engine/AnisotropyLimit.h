#pragma once

#include <string_view>

namespace Vexmor::engine {

// The anisotropy textures get on a renderer: all the driver offers on graphics hardware,
// where it is nearly free, but at most `softwareAnisotropy` on a software rasteriser, where
// every extra probe is paid per pixel and a floor seen at a grazing angle stalled frames for
// half a second.
constexpr float softwareAnisotropy = 1.0f;
float usableAnisotropy(float driverMaximum, std::string_view renderer);

} // namespace Vexmor::engine
