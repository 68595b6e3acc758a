#pragma once

#include "platform/StartSize.h"

namespace Vexmor::app {

// Process-wide render switches, flipped by the function keys and read every frame.
struct RenderSettings {
    bool showHelp = false;
    bool showFrameStatistics = true;
    bool wireframeMode = false;
    bool textureFilterLinear = true;
    // 0 no mipmaps, 1 nearest mipmaps, 2 linear mipmaps.
    int mipmapMode = 2;
    bool viewFrustumCulling = true;

    // The window's framebuffer in pixels (not the window's size, which differs on HiDPI
    // screens): everything is drawn, fitted and read at this size.
    int framebufferWidth = platform::startWidth;
    int framebufferHeight = platform::startHeight;
    // The share of the framebuffer's size that the level's main pass is drawn at.
    float renderScale = 1.0f;
    // The level shader's cheaper build, for software rasterisers.
    bool fastLook = false;
    // The view's height in degrees, taken up by the next frame; the options keep it within
    // 35 to 70.
    float fieldOfViewDegrees = 45.0f;

    // F5 steps 2 -> 1 -> 0 -> 2.
    void stepMipmapMode();
};

RenderSettings& renderSettings();

} // namespace Vexmor::app
