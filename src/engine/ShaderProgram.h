#pragma once

#include "engine/UniformSpec.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Vexmor::engine {

// A linked GL program together with the uniforms it consumes, in binding order.
class ShaderProgram {
public:
    // Asks the linked program where each of the uniforms lives.
    ShaderProgram(std::uint32_t handle, std::unique_ptr<std::vector<UniformSpec>> uniformSpecs);
    // Deletes the GL program.
    ~ShaderProgram();
    // Takes a newly linked build of the same program in place of this one, so whatever
    // holds this object draws with the new build; the old GL program is deleted.
    void relink(std::uint32_t newHandle);
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // The location of each of `uniformSpecs`, in the same order; -1 where the program does
    // not use the uniform. Empty without a list.
    const std::vector<std::int32_t>& getUniformLocations() const { return uniformLocations; }

    // Null when the program was loaded without a list.
    std::unique_ptr<std::vector<UniformSpec>> uniformSpecs;
    std::uint32_t handle;

private:
    void locateUniforms();

    std::vector<std::int32_t> uniformLocations;
};

} // namespace Vexmor::engine
