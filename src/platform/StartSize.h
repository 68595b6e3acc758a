#pragma once

namespace Vexmor::platform {

// The window's size when the game starts, and the size its screen images were made for.
inline constexpr int startWidth = 1024;
inline constexpr int startHeight = 768;

} // namespace Vexmor::platform
