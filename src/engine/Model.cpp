#include "engine/Model.h"

#include "app/RenderSettings.h"
#include "engine/RenderContext.h"
#include "engine/ShaderLibrary.h"
#include "engine/TextureLibrary.h"
#include "physics/CollisionShapeLibrary.h"

#include <GL/glew.h>

#include <iostream>

namespace Vexmor::engine {

namespace {

constexpr const char* warningPrefix =
    "[WARN] [Vexmor::engine::Model::doDrawing(RenderContext& context)] ";

// Hands one uniform's value to GL; false when its context entry is missing.
bool bindUniform(const UniformSpec& spec, GLint location, const RenderContext& context) {
    static const std::string textureKey = "texture";
    if (spec.type == Texture) {
        glUniform1i(location, 0);
        glActiveTexture(GL_TEXTURE0);
    } else if (spec.type == ShadowMap) {
        glUniform1i(location, 1);
        glActiveTexture(GL_TEXTURE1);
    } else if (spec.type < Matrix4 || spec.type > ShadowMap) {
        std::cout << warningPrefix << "unkown uniform content type(" << static_cast<int>(spec.type)
                  << ") for uniform '" << spec.name << "' in shader program!" << std::endl;
        return true;
    }

    const void* value = nullptr;
    if (!context.lookup(spec.type == Texture ? textureKey : spec.name, value)) {
        return false;
    }
    const auto* floats = static_cast<const GLfloat*>(value);
    switch (spec.type) {
    case Matrix4:
        glUniformMatrix4fv(location, 1, GL_FALSE, floats);
        break;
    case Vector4:
        glUniform4fv(location, 1, floats);
        break;
    case Vector3:
        glUniform3fv(location, 1, floats);
        break;
    case Float:
        glUniform1fv(location, 1, floats);
        break;
    case Texture:
        glBindTexture(GL_TEXTURE_2D, TextureLibrary::getInstance().getTextureId(
                                         *static_cast<const std::string*>(value)));
        break;
    case ShadowMap:
        glBindTexture(GL_TEXTURE_2D, *static_cast<const GLuint*>(value));
        break;
    }
    return true;
}

} // namespace

Model::Model(ShaderProgram* program, float boundingRadius)
    : program(program), boundingRadius(boundingRadius),
      boundingShape(physics::CollisionShapeLibrary::getInstance().getSphere(boundingRadius)) {}

void Model::doDrawing(RenderContext& context) {
    ShaderProgram* chosen = context.programOverride;
    if (chosen == nullptr) {
        if (app::renderSettings().wireframeMode) {
            chosen = ShaderLibrary::getInstance().simpleProgram.get();
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        } else {
            chosen = program == context.replaced && context.replacement != nullptr
                         ? context.replacement
                         : program;
        }
    }
    glUseProgram(chosen->handle);
    glBindVertexArray(vertexArray.get());

    if (chosen->uniformSpecs) {
        const std::vector<UniformSpec>& specs = *chosen->uniformSpecs;
        const std::vector<std::int32_t>& locations = chosen->getUniformLocations();
        for (std::size_t index = 0; index < specs.size(); ++index) {
            const UniformSpec& spec = specs[index];
            const GLint location = locations[index];
            if (location == -1) {
                continue;
            }
            if (!bindUniform(spec, location, context)) {
                std::cout << warningPrefix << "Uniform '" << spec.name
                          << "' not in context: invalid map<K, T> key" << std::endl;
            }
        }
    }
    drawElements(context);

    glBindVertexArray(0);
    glUseProgram(0);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

} // namespace Vexmor::engine
