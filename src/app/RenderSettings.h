#pragma once

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

    // F5 steps 2 -> 1 -> 0 -> 2.
    void stepMipmapMode();
};

RenderSettings& renderSettings();

} // namespace Vexmor::app
