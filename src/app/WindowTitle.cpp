#include "app/WindowTitle.h"

namespace Vexmor::app {

std::string windowTitle(const RenderSettings& settings, int fps, int millis) {
    std::string title = "Vexmor";
    if (settings.showFrameStatistics) {
        title += " | " + std::to_string(fps) + " FPS, AverageFrame " + std::to_string(millis) +
                 " millis";
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
