#version 330 core

in vec2 texCoord;

uniform sampler2D colorTexture;

out vec4 fragColor;

void main() {
    vec4 color = texture(colorTexture, texCoord);
    // Fully clear texels must not write depth, or an icon would punch a hole in
    // whatever is drawn after it.
    if (color.a < 0.01) {
        discard;
    }
    // Straight (not premultiplied) alpha, for SRC_ALPHA / ONE_MINUS_SRC_ALPHA blending.
    fragColor = color;
}
