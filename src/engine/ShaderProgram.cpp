#include "engine/ShaderProgram.h"

#include <GL/glew.h>

#include <utility>

namespace Vexmor::engine {

ShaderProgram::ShaderProgram(std::uint32_t handle,
                             std::unique_ptr<std::vector<UniformSpec>> uniformSpecs)
    : uniformSpecs(std::move(uniformSpecs)), handle(handle) {}

ShaderProgram::~ShaderProgram() {
    glDeleteProgram(handle);
}

} // namespace Vexmor::engine
