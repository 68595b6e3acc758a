#include "app/RenderChoice.h"

#include "app/RenderScaleController.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace Vexmor::app {

namespace {

std::string ignored(const char* variable, std::string_view text, const char* takes) {
    const std::string shown = text.empty() ? std::string("(empty)") : std::string(text);
    return std::string("[WARN] ") + variable + "='" + shown + "' ignored: it takes " + takes + "\n";
}

// A number from 0.5 to 1 written in full, nothing after it.
std::optional<float> scaleIn(std::string_view text) {
    const std::string copy(text);
    char* end = nullptr;
    const float value = std::strtof(copy.c_str(), &end);
    const bool whole = !copy.empty() && end == copy.c_str() + copy.size();
    if (!whole || !std::isfinite(value) || value < RenderScaleController::minimum ||
        value > RenderScaleController::maximum) {
        return std::nullopt;
    }
    return value;
}

} // namespace

RenderChoice::RenderChoice(const char* lookText, const char* scaleText, platform::RendererKind kind,
                           Look optionLook, std::optional<float> optionScale)
    : kind(kind) {
    fast = fastLookFor(optionLook);
    if (lookText != nullptr) {
        const std::string_view look(lookText);
        if (look == "full" || look == "fast") {
            fast = look == "fast";
            lookByEnvironment = true;
        } else {
            warningText += ignored("VEXMOR_LOOK", look, "full or fast");
        }
    }
    fixed = optionScale;
    if (scaleText != nullptr) {
        const std::string_view scale(scaleText);
        const std::optional<float> value = scaleIn(scale);
        if (scale == "auto" || value) {
            fixed = value;
            scaleByEnvironment = true;
        } else {
            warningText += ignored("VEXMOR_RENDER_SCALE", scale, "a number from 0.5 to 1, or auto");
        }
    }
}

float RenderChoice::startScale() const {
    if (fixed) {
        return *fixed;
    }
    return kind == platform::RendererKind::Software ? softwareStartScale
                                                    : RenderScaleController::maximum;
}

std::string RenderChoice::description() const {
    std::string text = fast ? "fast look, render scale " : "full look, render scale ";
    if (!fixed) {
        return text + "auto";
    }
    char number[16];
    std::snprintf(number, sizeof number, "%.2f", static_cast<double>(*fixed));
    return text + number;
}

} // namespace Vexmor::app
