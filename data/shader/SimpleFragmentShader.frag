#version 330 core

// Wireframe lines in one colour, dimmed with distance so the near edges stand out
// from the tangle of rooms behind them.

out vec4 fragColor;

const float NEAR = 0.1;
const float FAR = 30.0;
const vec3 LINE_COLOR = vec3(0.45, 0.95, 0.75);

void main() {
    float ndcDepth = gl_FragCoord.z * 2.0 - 1.0;
    float eyeDistance = 2.0 * NEAR * FAR / (FAR + NEAR - ndcDepth * (FAR - NEAR));
    float nearness = 1.0 - smoothstep(2.0, FAR, eyeDistance);
    fragColor = vec4(LINE_COLOR * mix(0.25, 1.0, nearness), 1.0);
}
