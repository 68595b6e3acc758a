#version 330 core

// Screen overlays: the quad's placement maps it straight to clip space, with no camera
// and no projection, so a scale of 2 fills the window.

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;

uniform mat4 worldTrans;

out vec2 texCoord;

void main() {
    texCoord = uv;
    gl_Position = worldTrans * vec4(position, 1.0);
}
