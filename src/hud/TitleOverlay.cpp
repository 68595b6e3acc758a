#include "hud/TitleOverlay.h"

#include "app/RenderSettings.h"
#include "engine/Model.h"
#include "engine/ModelLibrary.h"
#include "engine/OnePixelClip.h"
#include "engine/RenderContext.h"
#include "engine/ScreenTexture.h"
#include "engine/ShaderLibrary.h"
#include "engine/ShaderProgram.h"
#include "gameobject/GUIElement.h"
#include "hud/TitleCard.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace Vexmor::hud {

TitleOverlay::TitleOverlay(const std::string& levelLine, const std::string& title) {
    const RgbaImage card = TitleCard::render(levelLine, title);
    const std::vector<std::uint8_t> rows = card.bottomUpRows();
    // One texel per pixel in the start window; smoothed where the window is larger or
    // smaller.
    engine::makeScreenTexture(texture, card.width(), card.height(), rows.data());

    cardHeight = card.height();

    engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    engine::ModelLibrary& models = engine::ModelLibrary::getInstance();
    program = shaders.guiProgram.get();
    models.defaultProgram = program;
    quad = models.getModel("models\\gui_plane.obj");
    placementLocation = glGetUniformLocation(program->handle, "worldTrans");
    textureLocation = glGetUniformLocation(program->handle, "colorTexture");

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
    if (!timer.isShowing() || quad == nullptr) {
        return;
    }
    const app::RenderSettings& settings = app::renderSettings();
    fitTo(settings.framebufferWidth, settings.framebufferHeight);
    // The card's texels are opaque or clear (the shader drops clear ones), so a constant
    // alpha fades the whole card evenly.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, timer.opacity());
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    glUseProgram(program->handle);
    glUniformMatrix4fv(placementLocation, 1, GL_FALSE, glm::value_ptr(placement));
    glUniform1i(textureLocation, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glBindVertexArray(quad->vertexArray.get());
    quad->drawElements(quadContext);
    glBindVertexArray(0);
    glUseProgram(0);
    glBlendColor(0.0f, 0.0f, 0.0f, 0.0f);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

} // namespace Vexmor::hud
