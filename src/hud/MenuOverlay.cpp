#include "hud/MenuOverlay.h"

#include "app/RenderSettings.h"
#include "engine/ScreenTexture.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

namespace Vexmor::hud {

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
    if (!screen.isReady()) {
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
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    screen.draw(texture.get(), placement);
    glDisable(GL_BLEND);
}

} // namespace Vexmor::hud
