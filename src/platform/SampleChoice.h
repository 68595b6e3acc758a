#pragma once

#include <string>
#include <string_view>

namespace Vexmor::platform {

enum class RendererKind { Hardware, Software };

// How many samples per pixel the game window gets. Graphics hardware smooths edges with 4;
// a software rasteriser would spend most of a frame on them, so there the window has none.
// VEXMOR_SAMPLES=0 or 4 decides either way; any other value is ignored.
class SampleChoice {
public:
    static constexpr int hardwareSamples = 4;

    // `overrideText` is the environment's VEXMOR_SAMPLES, null when it is not set.
    explicit SampleChoice(const char* overrideText);

    // Whether GL_RENDERER names one of Mesa's software rasterisers.
    static RendererKind kindOf(std::string_view renderer);

    // True when the environment settles the format, so the renderer need not be asked.
    bool overridden() const { return overrideSamples >= 0; }
    // The value that was set but ignored; empty when there was none.
    const std::string& ignoredText() const { return ignored; }
    int samplesFor(RendererKind kind) const;

private:
    int overrideSamples = -1;
    std::string ignored;
};

} // namespace Vexmor::platform
