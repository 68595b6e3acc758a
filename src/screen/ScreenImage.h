#pragma once

#include "gameobject/GUIElement.h"

#include <memory>

namespace Vexmor::engine {
class RenderContext;
}

namespace Vexmor::screen {

// A screen image with a single look.
std::unique_ptr<gameobject::GUIElement> makeScreenImage(const gameobject::GUIState& state);

// Draws a screen image on top of everything, blended with what is behind it.
void drawScreenImage(gameobject::GUIElement& image, engine::RenderContext& context);

} // namespace Vexmor::screen
