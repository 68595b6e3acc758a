#version 330 core

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec3 normal;

uniform mat4 transform;
uniform mat4 worldTrans;

out vec3 worldNormal;
out vec2 texCoord;

void main() {
    // Inverse transpose, so that scaled objects keep normals square to their faces.
    worldNormal = transpose(inverse(mat3(worldTrans))) * normal;
    texCoord = uv;
    gl_Position = transform * vec4(position, 1.0);
}
