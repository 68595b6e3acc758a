#include "screen/ScreenImage.h"

#include "engine/RenderContext.h"

#include <GL/glew.h>

namespace Vexmor::screen {

std::unique_ptr<gameobject::GUIElement> makeScreenImage(const gameobject::GUIState& state) {
    return std::make_unique<gameobject::GUIElement>(std::vector<gameobject::GUIState>{state});
}

void drawScreenImage(gameobject::GUIElement& image, engine::RenderContext& context) {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    image.render(context);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

} // namespace Vexmor::screen
