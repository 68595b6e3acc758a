#include "hud/MenuOverlay.h"

#include "app/RenderSettings.h"
#include "engine/Model.h"
#include "engine/ModelLibrary.h"
#include "engine/ScreenTexture.h"
#include "engine/ShaderLibrary.h"
#include "engine/ShaderProgram.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace Vexmor::hud {

MenuOverlay::MenuOverlay() {
    engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    engine::ModelLibrary& models = engine::ModelLibrary::getInstance();
    program = shaders.guiProgram.get();
    models.defaultProgram = program;
    quad = models.getModel("models\\gui_plane.obj");
    placementLocation = glGetUniformLocation(program->handle, "worldTrans");
    textureLocation = glGetUniformLocation(program->handle, "colorTexture");
}

void MenuOverlay::redraw(const Menu& menu, MenuBackdrop backdrop, int width, int height) {
    // A menu seen before keeps its scroll position; another starts at its top.
    layout = layOutMenu(menu, width, height, &menu == drawnMenu ? layout.firstShown : 0);
    const RgbaImage image = drawMenu(menu, layout, width, height, backdrop);
    const std::vector<std::uint8_t> rows = image.bottomUpRows();
    engine::makeScreenTexture(texture, width, height, rows.data());
    drawnMenu = &menu;
    drawnRevision = menu.revision();
    drawnBackdrop = backdrop;
    drawnSize = {width, height};
}

void MenuOverlay::render(const Menu& menu, MenuBackdrop backdrop) {
    if (quad == nullptr) {
        return;
    }
    const app::RenderSettings& settings = app::renderSettings();
    const glm::ivec2 size(settings.framebufferWidth, settings.framebufferHeight);
    if (&menu != drawnMenu || menu.revision() != drawnRevision || backdrop != drawnBackdrop ||
        size != drawnSize) {
        redraw(menu, backdrop, size.x, size.y);
    }
    // The quad spans -0.5..0.5; twice that fills the window.
    const glm::mat4 placement = glm::scale(glm::mat4(1.0f), glm::vec3(2.0f, 2.0f, 1.0f));
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(program->handle);
    glUniformMatrix4fv(placementLocation, 1, GL_FALSE, glm::value_ptr(placement));
    glUniform1i(textureLocation, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glBindVertexArray(quad->vertexArray.get());
    quad->drawElements(quadContext);
    glBindVertexArray(0);
    glUseProgram(0);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

} // namespace Vexmor::hud
