#version 330 core

// Wireframe view: only the outline of every mesh.

layout(location = 0) in vec3 position;

uniform mat4 transform;

void main() {
    gl_Position = transform * vec4(position, 1.0);
}
