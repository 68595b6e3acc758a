#pragma once

#include "app/Settings.h"
#include "platform/SampleChoice.h"

#include <optional>
#include <string>

namespace Vexmor::app {

// The level's look and render scale. A software rasteriser gets the fast look and a scale
// that follows the frame time; graphics hardware the full look, its scale following the
// frame time too. VEXMOR_LOOK (full, fast) and VEXMOR_RENDER_SCALE (0.5 to 1, or auto)
// decide either way; any other value is ignored with a warning.
class RenderChoice {
public:
    // Where a software rasteriser starts its automatic scale: near where it settles, so
    // the first second does not have to correct it far.
    static constexpr float softwareStartScale = 0.75f;

    // The environment's VEXMOR_LOOK and VEXMOR_RENDER_SCALE, null when not set; where they
    // are not set (or not understood), the player's options decide.
    RenderChoice(const char* lookText, const char* scaleText, platform::RendererKind kind,
                 Look optionLook = Look::Auto, std::optional<float> optionScale = {});

    bool fastLook() const { return fast; }
    bool software() const { return kind == platform::RendererKind::Software; }
    // Empty when the scale follows the frame time.
    std::optional<float> fixedScale() const { return fixed; }
    float startScale() const;
    // The "[WARN] " lines for ignored values, one per variable; empty when none.
    const std::string& warnings() const { return warningText; }
    // Whether the environment chose, so the options do not override it during the run.
    bool scaleFromEnvironment() const { return scaleByEnvironment; }
    bool lookFromEnvironment() const { return lookByEnvironment; }
    // The look a build of the shaders gets for `look` on this renderer.
    bool fastLookFor(Look look) const {
        return look == Look::Fast || (look == Look::Auto && software());
    }
    // What the software rasteriser's console line says after "multisampling off, ".
    std::string description() const;

private:
    bool fast = false;
    std::optional<float> fixed;
    bool scaleByEnvironment = false;
    bool lookByEnvironment = false;
    platform::RendererKind kind;
    std::string warningText;
};

} // namespace Vexmor::app
