#pragma once

#include "engine/FreeImageBitmap.h"

#include <cstdint>
#include <map>
#include <string>

namespace Vexmor::app {
struct RenderSettings;
}

namespace Vexmor::engine {

// Every texture of the process, read from its image file on first use and kept for the
// whole run. An image that cannot be read is fatal (status 2).
class TextureLibrary {
public:
    static TextureLibrary& getInstance();

    // The GL texture of the image file `name`, loaded on the first request (which leaves
    // it bound on unit 0) with the filtering the render settings ask for.
    std::uint32_t getTextureId(const std::string& name);
    // Re-applies the magnification filter and mipmap mode of the render settings to every
    // texture held.
    void applyFilterMode();

    // The image as 32-bit pixels (blue, green, red, alpha), bottom row first.
    struct Image {
        int width = 0;
        int height = 0;
        const unsigned char* pixels = nullptr;
        FreeImageBitmap bitmap;
    };
    static Image loadImage(const std::string& name);

    std::size_t size() const { return textures.size(); }
    // Deletes every texture held, for a context about to go; a later request loads the
    // image again into whatever context is current then.
    void releaseAll();

private:
    TextureLibrary() = default;
    // The largest anisotropy the driver allows, logged; 0 without the extension. Textures
    // get it, limited on a software rasteriser.
    static float maxAnisotropy();
    // Magnification filter, mipmap mode and anisotropy of the settings, on the texture
    // bound to unit 0.
    static void applyFilterSettings(const app::RenderSettings& settings, bool anisotropy);

    // Kept across levels: textures live as long as the context, which the game ends only
    // with the process.
    std::map<std::string, std::uint32_t> textures;
};

} // namespace Vexmor::engine
