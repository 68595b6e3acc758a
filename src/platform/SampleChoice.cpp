#include "platform/SampleChoice.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace Vexmor::platform {

SampleChoice::SampleChoice(const char* overrideText) {
    if (overrideText == nullptr) {
        return;
    }
    const std::string_view text(overrideText);
    if (text == "0") {
        overrideSamples = 0;
    } else if (text == "4") {
        overrideSamples = hardwareSamples;
    } else {
        // An empty value is ignored too: it still says something was meant.
        ignored = text.empty() ? std::string("(empty)") : std::string(text);
    }
}

RendererKind SampleChoice::kindOf(std::string_view renderer) {
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // Mesa's rasterisers, and the name older drivers give a software fallback.
    static constexpr std::array<std::string_view, 4> software = {"llvmpipe", "softpipe", "swrast",
                                                                 "software rasterizer"};
    const bool isSoftware = std::any_of(software.begin(), software.end(), [&lower](auto name) {
        return lower.find(name) != std::string::npos;
    });
    return isSoftware ? RendererKind::Software : RendererKind::Hardware;
}

int SampleChoice::samplesFor(RendererKind kind) const {
    if (overridden()) {
        return overrideSamples;
    }
    return kind == RendererKind::Software ? 0 : hardwareSamples;
}

} // namespace Vexmor::platform
