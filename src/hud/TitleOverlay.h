#pragma once

#include "engine/GameObject.h"
#include "engine/GlName.h"
#include "engine/RenderContext.h"
#include "hud/ScreenQuad.h"
#include "hud/TitleTimer.h"

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include <string>

namespace Vexmor::hud {

// A level's title card across the top of the window while the level starts. The card is
// drawn and uploaded once, here; every frame after that only draws the texture, with the
// GUI program on the shared screen quad.
class TitleOverlay : public engine::GameObject {
public:
    // Without a level line the title stands alone.
    TitleOverlay(const std::string& levelLine, const std::string& title);

    // Counts the time shown.
    void onUpdate(double seconds) override;
    // Draws the card on top of everything while it shows; the context is not read.
    void render(engine::RenderContext& context) override;

    bool isShowing() const { return timer.isShowing(); }

private:
    // Placed across the top at the card's shape, as large as the window allows.
    void fitTo(int width, int height);

    engine::GlTexture texture;
    int cardHeight = 0;
    glm::ivec2 fittedTo{0, 0};
    glm::mat4 placement{1.0f};
    ScreenQuad screen;
    TitleTimer timer;
};

} // namespace Vexmor::hud
