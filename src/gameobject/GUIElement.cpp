#include "gameobject/GUIElement.h"

#include "app/RenderSettings.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"

#include <algorithm>

namespace Vexmor::gameobject {

GUIElement::GUIElement(const std::vector<GUIState>& states) : states(states) {
    engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    engine::ModelLibrary& models = engine::ModelLibrary::getInstance();
    models.defaultProgram = shaders.guiProgram.get();
    attachModel(models.getModel("models\\gui_plane.obj"));
    applyState();
}

glm::vec2 fittedScale(const GUIState& state, int width, int height) {
    const glm::vec2 scale(state.scaleX, state.scaleY);
    if (state.fit == ScreenFit::Stretch || width <= 0 || height <= 0) {
        return scale;
    }
    const glm::vec2 start(platform::startWidth, platform::startHeight);
    const glm::vec2 size(width, height);
    float growth = 1.0f;
    if (state.fit == ScreenFit::Scaled) {
        growth = std::min(size.x / start.x, size.y / start.y);
    }
    return scale * growth * start / size;
}

void GUIElement::onUpdate(double /*seconds*/) {}

void GUIElement::render(engine::RenderContext& context) {
    const app::RenderSettings& settings = app::renderSettings();
    const glm::ivec2 size(settings.framebufferWidth, settings.framebufferHeight);
    if (size != fittedTo) {
        fittedTo = size;
        applyState();
    }
    GameObject::render(context);
}

void GUIElement::applyState() {
    if (currentState >= states.size()) {
        return;
    }
    const GUIState& state = states[currentState];
    placement.position.x = state.positionX;
    placement.position.y = state.positionY;
    const glm::vec2 scale = fittedScale(state, fittedTo.x, fittedTo.y);
    placement.scale.x = scale.x;
    placement.scale.y = scale.y;
    placement.dirty = true;
    placement.updateMatrix();
    setTransform(*placement.matrix);
    texture = state.texture;
}

} // namespace Vexmor::gameobject
