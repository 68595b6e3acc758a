#pragma once

#include "engine/GlName.h"

class btSphereShape;

namespace Vexmor::engine {

class RenderContext;
class ShaderProgram;

// Drawable geometry bound to one shader program. It does not know where it is drawn:
// the caller's render context supplies every uniform by name.
class Model {
public:
    virtual ~Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Issues the draw call of the bound geometry.
    virtual void drawElements(RenderContext& context) = 0;

    // Binds the program's uniforms from the context (warning about what is missing) and
    // draws; in wireframe mode with the flat program in line mode.
    void doDrawing(RenderContext& context);

    // Not owned.
    ShaderProgram* program;
    GlVertexArray vertexArray;
    float boundingRadius;
    // The shared sphere of the bounding radius; the collision shape library owns it.
    btSphereShape* boundingShape;

protected:
    Model(ShaderProgram* program, float boundingRadius);
};

} // namespace Vexmor::engine
