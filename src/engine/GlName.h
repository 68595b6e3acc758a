#pragma once

#include <cstdint>
#include <utility>

namespace Vexmor::engine {

enum class GlKind { Buffer, VertexArray, Texture, Framebuffer, Renderbuffer };

std::uint32_t generateGlName(GlKind kind);
void deleteGlName(GlKind kind, std::uint32_t name);

// Owns one GL object name and deletes it when it goes; needs the context to be current
// then. Move-only.
template <GlKind Kind> class GlName {
public:
    GlName() = default;
    ~GlName() { reset(); }
    GlName(GlName&& other) noexcept : name(std::exchange(other.name, 0)) {}
    GlName& operator=(GlName&& other) noexcept {
        if (this != &other) {
            reset();
            name = std::exchange(other.name, 0);
        }
        return *this;
    }
    GlName(const GlName&) = delete;
    GlName& operator=(const GlName&) = delete;

    // Deletes any held object and generates a new one.
    void generate() {
        reset();
        name = generateGlName(Kind);
    }
    void reset() {
        if (name != 0) {
            deleteGlName(Kind, name);
            name = 0;
        }
    }
    std::uint32_t get() const { return name; }
    explicit operator bool() const { return name != 0; }

private:
    std::uint32_t name = 0;
};

using GlBuffer = GlName<GlKind::Buffer>;
using GlVertexArray = GlName<GlKind::VertexArray>;
using GlTexture = GlName<GlKind::Texture>;
using GlFramebuffer = GlName<GlKind::Framebuffer>;
using GlRenderbuffer = GlName<GlKind::Renderbuffer>;

} // namespace Vexmor::engine
