#include "app/Screenshot.h"

#include "app/RenderSettings.h"
#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>
#include <GL/glew.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace Vexmor::app {

namespace {

bool nameTaken(const std::string& name) {
    std::error_code unreadable;
    // A dangling link or a directory of that name takes the number as much as a file.
    return std::filesystem::exists(std::filesystem::symlink_status(name, unreadable));
}

} // namespace

std::string Screenshot::fileName(int number) {
    return "screenshot" + std::to_string(number) + ".png";
}

int Screenshot::firstFreeNumber(int from, const std::function<bool(const std::string&)>& taken) {
    int number = from;
    while (taken(fileName(number))) {
        ++number;
    }
    return number;
}

void Screenshot::take() {
    counter = firstFreeNumber(counter, nameTaken);
    const std::string name = fileName(counter);
    counter += 1;
    const std::string failure = save(name);
    if (!failure.empty()) {
        std::cout << "[WARN] Could not save screenshot '" << name << "': " << failure << std::endl;
    }
}

std::string Screenshot::save(const std::string& name) {
    const RenderSettings& settings = renderSettings();
    const int width = settings.framebufferWidth;
    const int height = settings.framebufferHeight;
    // Rows start on 4-byte boundaries, as the pack alignment below lays them out.
    const int pitch = (width * 3 + 3) / 4 * 4;
    std::vector<BYTE> pixels(static_cast<std::size_t>(pitch) * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_BGR, GL_UNSIGNED_BYTE, pixels.data());
    const engine::FreeImageBitmap bitmap(FreeImage_ConvertFromRawBits(
        pixels.data(), width, height, pitch, 24, 0xFF0000, 0x00FF00, 0x0000FF, FALSE));
    return bitmap ? engine::writePng(bitmap.get(), name, false) : "no memory for the image";
}

} // namespace Vexmor::app
