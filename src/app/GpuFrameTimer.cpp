#include "app/GpuFrameTimer.h"

#include <GL/glew.h>

namespace Vexmor::app {

GpuFrameTimer::GpuFrameTimer() {
    glGenQueries(static_cast<GLsizei>(depth), queries.data());
}

GpuFrameTimer::~GpuFrameTimer() {
    glDeleteQueries(static_cast<GLsizei>(depth), queries.data());
}

void GpuFrameTimer::begin() {
    // The oldest query comes round again: take its result first if it has one.
    if (pending[next]) {
        GLuint available = GL_FALSE;
        glGetQueryObjectuiv(queries[next], GL_QUERY_RESULT_AVAILABLE, &available);
        if (available == GL_TRUE) {
            GLuint64 nanoseconds = 0;
            glGetQueryObjectui64v(queries[next], GL_QUERY_RESULT, &nanoseconds);
            latest = static_cast<double>(nanoseconds) * 1.0e-9;
        }
    }
    glBeginQuery(GL_TIME_ELAPSED, queries[next]);
}

void GpuFrameTimer::end() {
    glEndQuery(GL_TIME_ELAPSED);
    pending[next] = true;
    next = (next + 1) % depth;
}

} // namespace Vexmor::app
