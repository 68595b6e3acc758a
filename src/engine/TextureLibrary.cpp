#include "engine/TextureLibrary.h"

#include "app/RenderSettings.h"
#include "engine/AnisotropyLimit.h"
#include "platform/Console.h"
#include "platform/Paths.h"

#include <FreeImage.h>
#include <GL/glew.h>

#include <iostream>

namespace Vexmor::engine {

namespace {

bool anisotropySupported() {
    return glewIsSupported("GL_EXT_texture_filter_anisotropic") != 0;
}

[[noreturn]] void imageFailure(const std::string& name) {
    std::cout << "[FATAL ERROR] Could not load image: " << name << std::endl;
    platform::exitWith(platform::ExitStatus::Image);
}

} // namespace

TextureLibrary& TextureLibrary::getInstance() {
    static TextureLibrary library;
    return library;
}

float TextureLibrary::maxAnisotropy() {
    GLfloat maximum = 0.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maximum);
    std::cout << "GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT=" << maximum << std::endl;
    const GLubyte* renderer = glGetString(GL_RENDERER);
    return usableAnisotropy(maximum,
                            renderer != nullptr ? reinterpret_cast<const char*>(renderer) : "");
}

TextureLibrary::Image TextureLibrary::loadImage(const std::string& name) {
    const std::string path = platform::hostPath(name);
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    const FreeImageBitmap loaded(FreeImage_Load(format, path.c_str(), 0));
    if (!loaded) {
        imageFailure(name);
    }
    Image image;
    image.bitmap.reset(FreeImage_ConvertTo32Bits(loaded.get()));
    if (!image.bitmap) {
        imageFailure(name);
    }
    FIBITMAP* converted = image.bitmap.get();
    image.pixels = FreeImage_GetBits(converted);
    image.width = static_cast<int>(FreeImage_GetWidth(converted));
    image.height = static_cast<int>(FreeImage_GetHeight(converted));
    std::cout << "BBP for image '" << name << "': " << FreeImage_GetBPP(converted) << '\n'
              << "size of uchar " << 4 << std::endl;
    return image;
}

std::uint32_t TextureLibrary::getTextureId(const std::string& name) {
    const auto cached = textures.find(name);
    if (cached != textures.end()) {
        glActiveTexture(GL_TEXTURE0);
        return cached->second;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);

    const Image image = loadImage(name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_BGRA,
                 GL_UNSIGNED_BYTE, image.pixels);
    glGenerateMipmap(GL_TEXTURE_2D);
    // The filtering the function keys last chose, not the default: the title names it.
    applyFilterSettings(app::renderSettings(), anisotropySupported());
    textures.emplace(name, texture);
    return texture;
}

void TextureLibrary::releaseAll() {
    for (const auto& [name, texture] : textures) {
        glDeleteTextures(1, &texture);
    }
    textures.clear();
}

void TextureLibrary::applyFilterMode() {
    const app::RenderSettings& settings = app::renderSettings();
    const bool anisotropy = anisotropySupported();
    for (const auto& [name, texture] : textures) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture);
        applyFilterSettings(settings, anisotropy);
    }
}

void TextureLibrary::applyFilterSettings(const app::RenderSettings& settings, bool anisotropy) {
    GLint minFilter = GL_LINEAR_MIPMAP_LINEAR;
    if (settings.mipmapMode == 0) {
        minFilter = GL_NEAREST;
        // 1.0 is "no anisotropy"; anything lower is rejected by GL.
        if (anisotropy) {
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, 1.0f);
        }
    } else {
        if (settings.mipmapMode == 1) {
            minFilter = GL_NEAREST_MIPMAP_NEAREST;
        }
        if (anisotropy) {
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, maxAnisotropy());
        }
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                    settings.textureFilterLinear ? GL_LINEAR : GL_NEAREST);
}

} // namespace Vexmor::engine
