#include "engine/OnePixelClip.h"

#include <GL/glew.h>

namespace Vexmor::engine {

OnePixelClip::OnePixelClip()
    : depthTest(glIsEnabled(GL_DEPTH_TEST) == GL_TRUE),
      cullFace(glIsEnabled(GL_CULL_FACE) == GL_TRUE) {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
}

OnePixelClip::~OnePixelClip() {
    glFinish();
    glDisable(GL_SCISSOR_TEST);
    if (!depthTest) {
        glDisable(GL_DEPTH_TEST);
    }
    if (!cullFace) {
        glDisable(GL_CULL_FACE);
    }
}

} // namespace Vexmor::engine
