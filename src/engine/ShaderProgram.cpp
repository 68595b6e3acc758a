#include "engine/ShaderProgram.h"

#include <GL/glew.h>

#include <utility>

namespace Vexmor::engine {

ShaderProgram::ShaderProgram(std::uint32_t handle,
                             std::unique_ptr<std::vector<UniformSpec>> uniformSpecs)
    : uniformSpecs(std::move(uniformSpecs)), handle(handle) {
    // Locations stay put once a program is linked, so they are asked here and not per draw.
    if (this->uniformSpecs) {
        for (const UniformSpec& spec : *this->uniformSpecs) {
            uniformLocations.push_back(glGetUniformLocation(handle, spec.name.c_str()));
        }
    }
}

ShaderProgram::~ShaderProgram() {
    glDeleteProgram(handle);
}

} // namespace Vexmor::engine
