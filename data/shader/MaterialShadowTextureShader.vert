#version 330 core

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec3 normal;

uniform mat4 transform;
uniform mat4 worldTrans;
uniform mat4 lightTransform;

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texCoord;
out vec4 lightClip;
// How lightClip changes per world unit moved off the surface; the fragment stage uses
// it to lift its shadow lookup by an amount that depends on its distance to the lamp.
out vec4 lightClipPerUnit;

void main() {
    vec4 objectPosition = vec4(position, 1.0);
    mat3 world = mat3(worldTrans);

    worldPosition = vec3(worldTrans * objectPosition);
    // Inverse transpose, so that scaled objects keep normals square to their faces.
    worldNormal = transpose(inverse(world)) * normal;
    texCoord = uv;
    lightClip = lightTransform * objectPosition;

    float worldLength = length(world * normal);
    vec3 unitStep = worldLength > 1e-6 ? normal / worldLength : vec3(0.0);
    lightClipPerUnit = lightTransform * vec4(unitStep, 0.0);

    gl_Position = transform * objectPosition;
}
