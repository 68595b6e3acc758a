#pragma once

#include "engine/GameObject.h"
#include "engine/Placement.h"

#include <string>
#include <vector>

namespace Vexmor::gameobject {

// One look of a screen image: its texture, and its size and centre in normalised device
// coordinates (the quad is 1 x 1, so scale 2 covers the window).
struct GUIState {
    std::string texture;
    float scaleX;
    float scaleY;
    float positionX;
    float positionY;
};

// A flat textured quad in screen space: the winning image, the help image, the use hint.
// It does nothing by itself; its owner decides when it is drawn.
class GUIElement : public engine::GameObject {
public:
    explicit GUIElement(const std::vector<GUIState>& states);

    void onUpdate(double seconds) override;

private:
    void applyState();

    std::vector<GUIState> states;
    engine::Placement placement;
    std::size_t currentState = 0;
};

} // namespace Vexmor::gameobject
