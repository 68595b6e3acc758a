#include "engine/AnisotropyLimit.h"

#include "platform/SampleChoice.h"

#include <algorithm>

namespace Vexmor::engine {

float usableAnisotropy(float driverMaximum, std::string_view renderer) {
    if (platform::SampleChoice::kindOf(renderer) == platform::RendererKind::Software) {
        return std::min(driverMaximum, softwareAnisotropy);
    }
    return driverMaximum;
}

} // namespace Vexmor::engine
