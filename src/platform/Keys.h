#pragma once

// Key codes as the window layer reports them: printable keys are their upper-case
// character codes, the rest follow GLFW 3's numbering.
namespace Vexmor::platform::key {

constexpr int Space = ' ';
constexpr int Escape = 256;
constexpr int Enter = 257;
constexpr int Right = 262;
constexpr int Left = 263;
constexpr int Down = 264;
constexpr int Up = 265;
constexpr int F1 = 290;
constexpr int F2 = 291;
constexpr int F3 = 292;
constexpr int F4 = 293;
constexpr int F5 = 294;
constexpr int F8 = 297;
constexpr int F11 = 300;
constexpr int F12 = 301;
constexpr int KeypadEnter = 335;
constexpr int LeftShift = 340;

} // namespace Vexmor::platform::key
