#version 330 core

// Shadow pass: the scene seen from the head lamp, depth only.

layout(location = 0) in vec3 position;

uniform mat4 transform;

void main() {
    gl_Position = transform * vec4(position, 1.0);
}
