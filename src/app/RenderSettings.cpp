#include "app/RenderSettings.h"

namespace Vexmor::app {

void RenderSettings::stepMipmapMode() {
    switch (mipmapMode) {
    case 2:
        mipmapMode = 1;
        break;
    case 1:
        mipmapMode = 0;
        break;
    default:
        mipmapMode = 2;
        break;
    }
}

RenderSettings& renderSettings() {
    static RenderSettings settings;
    return settings;
}

} // namespace Vexmor::app
