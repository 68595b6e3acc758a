#pragma once

#include "engine/GameObject.h"
#include "engine/Placement.h"
#include "platform/StartSize.h"

#include <glm/vec2.hpp>

#include <string>
#include <vector>

namespace Vexmor::gameobject {

// How a screen image made for the start window fits a window of another size. Its centre
// stays where it was relative to the window.
enum class ScreenFit {
    // Its size stays the same share of the window's.
    Stretch,
    // Its size stays the same in pixels.
    Pixels,
    // It keeps its shape and grows with the window as far as the window's narrower side
    // allows: a full-window picture gets bars beside or above it.
    Scaled,
};

// One look of a screen image: its texture, and its size and centre in normalised device
// coordinates of the start window (the quad is 1 x 1, so scale 2 covers the window).
struct GUIState {
    std::string texture;
    float scaleX;
    float scaleY;
    float positionX;
    float positionY;
    ScreenFit fit = ScreenFit::Stretch;
};

// The image's size in normalised device coordinates of a framebuffer of this size.
glm::vec2 fittedScale(const GUIState& state, int width, int height);

// A flat textured quad in screen space: the winning image, the help image, the use hint.
// It does nothing by itself; its owner decides when it is drawn.
class GUIElement : public engine::GameObject {
public:
    explicit GUIElement(const std::vector<GUIState>& states);

    void onUpdate(double seconds) override;
    // Fitted to the framebuffer's size first.
    void render(engine::RenderContext& context) override;

private:
    void applyState();

    std::vector<GUIState> states;
    engine::Placement placement;
    std::size_t currentState = 0;
    // The framebuffer size the placement was last fitted to.
    glm::ivec2 fittedTo{platform::startWidth, platform::startHeight};
};

} // namespace Vexmor::gameobject
