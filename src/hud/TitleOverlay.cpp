#include "hud/TitleOverlay.h"

#include "engine/Model.h"
#include "engine/ModelLibrary.h"
#include "engine/OnePixelClip.h"
#include "engine/RenderContext.h"
#include "engine/ShaderLibrary.h"
#include "engine/ShaderProgram.h"
#include "hud/TitleCard.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace Vexmor::hud {

namespace {

// The renderer's fixed window height; the card is as wide as the window.
constexpr float windowHeight = 768.0f;

} // namespace

TitleOverlay::TitleOverlay(const std::string& levelLine, const std::string& title) {
    const RgbaImage card = TitleCard::render(levelLine, title);
    const std::vector<std::uint8_t> rows = card.bottomUpRows();
    texture.generate();
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, card.width(), card.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, rows.data());
    // One texel per pixel: nothing to filter, no mipmaps.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, 0);

    // The unit quad stretched over the full width and the card's height, touching the top.
    const float height = 2.0f * static_cast<float>(card.height()) / windowHeight;
    placement = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 1.0f - height / 2.0f, 0.0f)) *
                glm::scale(glm::mat4(1.0f), glm::vec3(2.0f, height, 1.0f));

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

void TitleOverlay::onUpdate(double seconds) {
    timer.advance(seconds);
}

void TitleOverlay::render(engine::RenderContext& /*context*/) {
    if (!timer.isShowing() || quad == nullptr) {
        return;
    }
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
