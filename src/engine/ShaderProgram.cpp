#include "engine/ShaderProgram.h"

#include <GL/glew.h>

#include <utility>

namespace Vexmor::engine {

ShaderProgram::ShaderProgram(std::uint32_t handle,
                             std::unique_ptr<std::vector<UniformSpec>> uniformSpecs)
    : uniformSpecs(std::move(uniformSpecs)), handle(handle) {
    locateUniforms();
}

ShaderProgram::~ShaderProgram() {
    glDeleteProgram(handle);
}

void ShaderProgram::relink(std::uint32_t newHandle) {
    glDeleteProgram(handle);
    handle = newHandle;
    locateUniforms();
}

void ShaderProgram::locateUniforms() {
    // Locations stay put once a program is linked, so they are asked here and not per draw.
    uniformLocations.clear();
    if (uniformSpecs) {
        for (const UniformSpec& spec : *uniformSpecs) {
            uniformLocations.push_back(glGetUniformLocation(handle, spec.name.c_str()));
        }
    }
}

} // namespace Vexmor::engine
