#pragma once

#include "engine/GlName.h"
#include "hud/Menu.h"
#include "hud/MenuPicture.h"
#include "hud/MenuView.h"
#include "hud/ScreenQuad.h"

#include <glm/vec2.hpp>

#include <cstdint>

namespace Vexmor::hud {

// Draws a menu over the whole window, sharp at the window's own resolution. The picture
// is drawn and uploaded again only when the menu, the window's size or the backdrop
// changed; other frames only draw the texture.
class MenuOverlay : public MenuView {
public:
    void render(const Menu& menu, MenuBackdrop backdrop) override;
    int indexAt(glm::dvec2 point) const override { return layout.indexAt(point); }

private:
    void redraw(const Menu& menu, MenuBackdrop backdrop, int width, int height);

    engine::GlTexture texture;
    MenuLayout layout;
    const Menu* drawnMenu = nullptr;
    std::uint64_t drawnRevision = 0;
    MenuBackdrop drawnBackdrop = MenuBackdrop::Clear;
    glm::ivec2 drawnSize{0, 0};
    ScreenQuad screen;
};

} // namespace Vexmor::hud
