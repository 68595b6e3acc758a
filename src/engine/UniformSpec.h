#pragma once

#include <cstdint>
#include <string>

namespace Vexmor::engine {

// How a uniform's value, found in the render context by the uniform's name, reaches GL.
enum UniformContentType : std::int32_t {
    Matrix4 = 0,   // 16 floats, column-major
    Vector4 = 1,   // 4 floats
    Vector3 = 2,   // 3 floats
    Float = 3,     // 1 float
    Texture = 4,   // unit 0, the texture named by the context's "texture" entry
    ShadowMap = 5, // unit 1, a GL texture name
};

// One uniform a shader program consumes: its GLSL name, which is also its context key.
struct UniformSpec {
    std::string name;
    UniformContentType type;
};

} // namespace Vexmor::engine
