#include "app/Screenshot.h"

#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>
#include <GL/glew.h>

#include <string>
#include <vector>

namespace Vexmor::app {

void Screenshot::take() {
    constexpr int pitch = width * 3;
    std::vector<BYTE> pixels(static_cast<std::size_t>(pitch) * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_BGR, GL_UNSIGNED_BYTE, pixels.data());

    const std::string name = "screenshot" + std::to_string(counter) + ".png";
    counter += 1;

    const engine::FreeImageBitmap bitmap(FreeImage_ConvertFromRawBits(
        pixels.data(), width, height, pitch, 24, 0xFF0000, 0x00FF00, 0x0000FF, FALSE));
    if (bitmap) {
        // A failed save is silent: the game goes on.
        FreeImage_Save(FIF_PNG, bitmap.get(), name.c_str(), 0);
    }
}

} // namespace Vexmor::app
