#pragma once

#include "engine/UniformSpec.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Vexmor::engine {

// A linked GL program together with the uniforms it consumes, in binding order.
class ShaderProgram {
public:
    ShaderProgram(std::uint32_t handle, std::unique_ptr<std::vector<UniformSpec>> uniformSpecs);
    // Deletes the GL program.
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // Null when the program was loaded without a list.
    std::unique_ptr<std::vector<UniformSpec>> uniformSpecs;
    std::uint32_t handle;
};

} // namespace Vexmor::engine
