#include "engine/TriangleMesh.h"

#include "engine/ShaderProgram.h"

#include <GL/glew.h>

#include <iostream>

namespace Vexmor::engine {

namespace {

void describeAttribute(GLuint program, const char* name, const GlBuffer& buffer, int components) {
    const GLint location = glGetAttribLocation(program, name);
    glBindBuffer(GL_ARRAY_BUFFER, buffer.get());
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, 0,
                          nullptr);
}

} // namespace

TriangleMesh::TriangleMesh(ShaderProgram* program, const float* positions, const float* uvs,
                           const float* normals, const std::uint32_t* indices,
                           std::uint32_t vertexCount, std::uint32_t indexCount,
                           float boundingRadius)
    : Model(program, boundingRadius), indexCount(indexCount) {
    hasPositions = uploadAttribute("position", positions, vertexCount, 3, positionBuffer);
    hasUvs = uploadAttribute("uv", uvs, vertexCount, 2, uvBuffer);
    hasNormals = uploadAttribute("normal", normals, vertexCount, 3, normalBuffer);

    indexBuffer.generate();
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer.get());
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexCount) * 4, indices,
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    vertexArray.generate();
    glBindVertexArray(vertexArray.get());
    if (hasPositions) {
        describeAttribute(program->handle, "position", positionBuffer, 3);
    }
    if (hasUvs) {
        describeAttribute(program->handle, "uv", uvBuffer, 2);
    }
    if (hasNormals) {
        describeAttribute(program->handle, "normal", normalBuffer, 3);
    }
    // The vertex array records the element buffer bound while it is bound.
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer.get());
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    std::cout << "positionBuffer.init=" << hasPositions << '\n'
              << "uvBuffer.init=" << hasUvs << '\n'
              << "normalBuffer.init=" << hasNormals << std::endl;
}

bool TriangleMesh::uploadAttribute(const char* name, const float* data, std::uint32_t vertexCount,
                                   int components, GlBuffer& buffer) {
    if (glGetAttribLocation(program->handle, name) == -1 || data == nullptr) {
        return false;
    }
    buffer.generate();
    glBindBuffer(GL_ARRAY_BUFFER, buffer.get());
    glBufferData(GL_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(vertexCount) * components *
                     static_cast<GLsizeiptr>(sizeof(float)),
                 data, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return true;
}

void TriangleMesh::drawElements(RenderContext& /*context*/) {
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, nullptr);
}

} // namespace Vexmor::engine
