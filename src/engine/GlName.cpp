#include "engine/GlName.h"

#include <GL/glew.h>

namespace Vexmor::engine {

std::uint32_t generateGlName(GlKind kind) {
    GLuint name = 0;
    switch (kind) {
    case GlKind::Buffer:
        glGenBuffers(1, &name);
        break;
    case GlKind::VertexArray:
        glGenVertexArrays(1, &name);
        break;
    case GlKind::Texture:
        glGenTextures(1, &name);
        break;
    case GlKind::Framebuffer:
        glGenFramebuffers(1, &name);
        break;
    case GlKind::Renderbuffer:
        glGenRenderbuffers(1, &name);
        break;
    }
    return name;
}

void deleteGlName(GlKind kind, std::uint32_t name) {
    switch (kind) {
    case GlKind::Buffer:
        glDeleteBuffers(1, &name);
        break;
    case GlKind::VertexArray:
        glDeleteVertexArrays(1, &name);
        break;
    case GlKind::Texture:
        glDeleteTextures(1, &name);
        break;
    case GlKind::Framebuffer:
        glDeleteFramebuffers(1, &name);
        break;
    case GlKind::Renderbuffer:
        glDeleteRenderbuffers(1, &name);
        break;
    }
}

} // namespace Vexmor::engine
