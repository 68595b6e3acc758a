#version 330 core

// Textured, lit by a fixed light from above plus sky and ground bounce: enough to read
// the shape of an object without a lamp or shadows.

in vec3 worldNormal;
in vec2 texCoord;

uniform sampler2D colorTexture;

out vec4 fragColor;

const float GAMMA = 2.2;
const vec3 KEY_DIRECTION = vec3(0.35, 0.85, 0.4);
const vec3 KEY_COLOR = vec3(1.0, 0.95, 0.85);
const vec3 SKY_COLOR = vec3(0.28, 0.30, 0.36);
const vec3 GROUND_COLOR = vec3(0.10, 0.09, 0.08);

void main() {
    vec4 texel = texture(colorTexture, texCoord);
    vec3 albedo = pow(texel.rgb, vec3(GAMMA));

    float normalLength = length(worldNormal);
    // Meshes without normals get the attribute's default of zero: light them head-on.
    vec3 n = normalLength > 1e-6 ? worldNormal / normalLength : normalize(KEY_DIRECTION);
    vec3 toKey = normalize(KEY_DIRECTION);

    vec3 ambient = mix(GROUND_COLOR, SKY_COLOR, n.y * 0.5 + 0.5);
    // Wrapped diffuse keeps the side turned away from the light from going flat.
    float diffuse = max((dot(n, toKey) + 0.25) / 1.25, 0.0);
    vec3 color = albedo * (ambient + KEY_COLOR * diffuse);

    fragColor = vec4(pow(color, vec3(1.0 / GAMMA)), texel.a);
}
