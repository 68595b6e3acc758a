#version 330 core

// The texture as it is, unlit.

in vec2 texCoord;

uniform sampler2D colorTexture;

out vec4 fragColor;

void main() {
    fragColor = texture(colorTexture, texCoord);
}
