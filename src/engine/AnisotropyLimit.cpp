#include "engine/AnisotropyLimit.h"

#include <algorithm>

namespace Vexmor::engine {

float usableAnisotropy(float driverMaximum, std::string_view renderer) {
    for (std::string_view software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
        if (renderer.find(software) != std::string_view::npos) {
            return std::min(driverMaximum, softwareAnisotropy);
        }
    }
    return driverMaximum;
}

} // namespace Vexmor::engine
