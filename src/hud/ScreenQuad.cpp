#include "hud/ScreenQuad.h"

#include "engine/Model.h"
#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "engine/ShaderProgram.h"

#include <GL/glew.h>
#include <glm/gtc/type_ptr.hpp>

namespace Vexmor::hud {

ScreenQuad::ScreenQuad() {
    engine::ShaderLibrary& shaders = engine::ShaderLibrary::getInstance();
    engine::ModelLibrary& models = engine::ModelLibrary::getInstance();
    program = shaders.guiProgram.get();
    models.defaultProgram = program;
    quad = models.getModel("models\\gui_plane.obj");
    placementLocation = glGetUniformLocation(program->handle, "worldTrans");
    textureLocation = glGetUniformLocation(program->handle, "colorTexture");
}

void ScreenQuad::draw(unsigned int texture, const glm::mat4& placement) {
    glDisable(GL_DEPTH_TEST);
    glUseProgram(program->handle);
    glUniformMatrix4fv(placementLocation, 1, GL_FALSE, glm::value_ptr(placement));
    glUniform1i(textureLocation, 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindVertexArray(quad->vertexArray.get());
    quad->drawElements(quadContext);
    glBindVertexArray(0);
    glUseProgram(0);
    glEnable(GL_DEPTH_TEST);
}

} // namespace Vexmor::hud
