#include "gameobject/GUIElement.h"

#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"

namespace Vexmor::gameobject {

GUIElement::GUIElement(const std::vector<GUIState>& states) : states(states) {
    engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    engine::ModelLibrary& models = engine::ModelLibrary::getInstance();
    models.defaultProgram = shaders.guiProgram.get();
    attachModel(models.getModel("models\\gui_plane.obj"));
    applyState();
}

void GUIElement::onUpdate(double /*seconds*/) {}

void GUIElement::applyState() {
    if (currentState >= states.size()) {
        return;
    }
    const GUIState& state = states[currentState];
    placement.position.x = state.positionX;
    placement.position.y = state.positionY;
    placement.scale.x = state.scaleX;
    placement.scale.y = state.scaleY;
    placement.dirty = true;
    placement.updateMatrix();
    setTransform(*placement.matrix);
    texture = state.texture;
}

} // namespace Vexmor::gameobject
