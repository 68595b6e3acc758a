#pragma once

#include "engine/Model.h"

#include <cstdint>

namespace Vexmor::engine {

// An indexed triangle list with position, texture-coordinate and normal buffers. Only
// the attributes the program declares get a buffer.
class TriangleMesh : public Model {
public:
    // positions and normals hold 3 floats per vertex, uvs 2; any may be null. The arrays
    // are copied into GL buffers and not kept.
    TriangleMesh(ShaderProgram* program, const float* positions, const float* uvs,
                 const float* normals, const std::uint32_t* indices, std::uint32_t vertexCount,
                 std::uint32_t indexCount, float boundingRadius);

    void drawElements(RenderContext& context) override;

    bool hasPositions = false;
    GlBuffer positionBuffer;
    GlBuffer indexBuffer;
    bool hasUvs = false;
    GlBuffer uvBuffer;
    bool hasNormals = false;
    GlBuffer normalBuffer;
    std::uint32_t indexCount;

private:
    // The attribute's buffer, when the program declares it and data was given.
    bool uploadAttribute(const char* name, const float* data, std::uint32_t vertexCount,
                         int components, GlBuffer& buffer);
};

} // namespace Vexmor::engine
