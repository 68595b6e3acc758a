#include "app/GlErrorText.h"

#include <GL/glew.h>

#include <cstdio>

namespace Vexmor::app {

std::string glErrorText(unsigned int code) {
    switch (code) {
    case GL_NO_ERROR:
        return "no error";
    case GL_INVALID_ENUM:
        return "invalid enumerant";
    case GL_INVALID_VALUE:
        return "invalid value";
    case GL_INVALID_OPERATION:
        return "invalid operation";
    case GL_STACK_OVERFLOW:
        return "stack overflow";
    case GL_STACK_UNDERFLOW:
        return "stack underflow";
    case GL_OUT_OF_MEMORY:
        return "out of memory";
    case GL_INVALID_FRAMEBUFFER_OPERATION:
        return "invalid framebuffer operation";
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "unknown error 0x%04X", code);
        return text;
    }
    }
}

} // namespace Vexmor::app
