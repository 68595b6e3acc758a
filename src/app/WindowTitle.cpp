#include "app/WindowTitle.h"

#include <cstdio>

namespace Vexmor::app {

std::string windowTitle(const RenderSettings& settings, int fps, int millis) {
    std::string title = "Vexmor";
    if (settings.showFrameStatistics) {
        title += " | " + std::to_string(fps) + " FPS, AverageFrame " + std::to_string(millis) +
                 " millis";
        if (settings.renderScale < 1.0f) {
            char scale[32];
            std::snprintf(scale, sizeof scale, " | Scale %.2f",
                          static_cast<double>(settings.renderScale));
            title += scale;
        }
    }
    if (settings.wireframeMode) {
        title += " | Wireframe-mode";
    }
    if (!settings.textureFilterLinear) {
        title += " | Textures: nearest neighbor";
    }
    if (settings.mipmapMode == 0) {
        title += " | MipMap: off";
    } else if (settings.mipmapMode == 1) {
        title += " | MipMap: nearest neighbor";
    }
    if (!settings.viewFrustumCulling) {
        title += " | View frustum culling: off";
    }
    return title;
}

} // namespace Vexmor::app
