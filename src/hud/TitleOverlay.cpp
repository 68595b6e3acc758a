#include "hud/TitleOverlay.h"

#include "app/RenderSettings.h"
#include "engine/OnePixelClip.h"
#include "engine/RenderContext.h"
#include "engine/ScreenTexture.h"
#include "gameobject/GUIElement.h"
#include "hud/TitleCard.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

namespace Vexmor::hud {

TitleOverlay::TitleOverlay(const std::string& levelLine, const std::string& title) {
    const RgbaImage card = TitleCard::render(levelLine, title);
    const std::vector<std::uint8_t> rows = card.bottomUpRows();
    // One texel per pixel in the start window; smoothed where the window is larger or
    // smaller.
    engine::makeScreenTexture(texture, card.width(), card.height(), rows.data());

    cardHeight = card.height();

    // Drawn once into a single pixel: a software rasteriser builds the code for this
    // texture and blend now, not in the level's first frame.
    const engine::OnePixelClip clip;
    engine::RenderContext noValues;
    render(noValues);
}

void TitleOverlay::fitTo(int width, int height) {
    const glm::ivec2 size(width, height);
    if (size == fittedTo) {
        return;
    }
    fittedTo = size;
    // In the start window the card spans its width, one texel a pixel, touching the top.
    const gameobject::GUIState start{
        "",   2.0f, 2.0f * float(cardHeight) / float(platform::startHeight),
        0.0f, 0.0f, gameobject::ScreenFit::Scaled};
    const glm::vec2 scale = gameobject::fittedScale(start, width, height);
    placement = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 1.0f - scale.y / 2.0f, 0.0f)) *
                glm::scale(glm::mat4(1.0f), glm::vec3(scale, 1.0f));
}

void TitleOverlay::onUpdate(double seconds) {
    timer.advance(seconds);
}

void TitleOverlay::render(engine::RenderContext& /*context*/) {
    if (!timer.isShowing() || !screen.isReady()) {
        return;
    }
    const app::RenderSettings& settings = app::renderSettings();
    fitTo(settings.framebufferWidth, settings.framebufferHeight);
    // The card's texels are opaque or clear (the shader drops clear ones), so a constant
    // alpha fades the whole card evenly.
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, timer.opacity());
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    screen.draw(texture.get(), placement);
    glBlendColor(0.0f, 0.0f, 0.0f, 0.0f);
    glDisable(GL_BLEND);
}

} // namespace Vexmor::hud
