#pragma once

#include "hud/Menu.h"
#include "hud/MenuPicture.h"

#include <glm/vec2.hpp>

namespace Vexmor::hud {

// Shows a menu and says which line is under a window point; the screens' tests fake it.
class MenuView {
public:
    virtual ~MenuView() = default;

    virtual void render(const Menu& menu, MenuBackdrop backdrop) = 0;
    // The menu line under a window point (pixels from the top-left) as last drawn, or -1.
    virtual int indexAt(glm::dvec2 point) const = 0;
};

} // namespace Vexmor::hud
