#version 330 core

// The level's stone: lit by the head lamp the player carries (cone, distance falloff,
// soft shadows), a dim ambient, a faint glow of its own on what emits light (the time
// machine), and while the era switches, a swirling fog that closes in around the player.

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texCoord;
in vec4 lightClip;
in vec4 lightClipPerUnit;

uniform sampler2D colorTexture;
uniform sampler2DShadow shadowMap;
uniform vec4 lightPosition;
uniform vec4 cameraPosition;
// Negative when no switch runs; otherwise how far the player can still see.
uniform float fogDistance;
uniform float fogTimer;
// How strongly the surface glows by itself: 0 for stone, 1 for the time machine.
uniform float emission;

out vec4 fragColor;


// Cool and low: walls, exits and rubble beyond the lamp's reach stay readable in the
// dark, without washing out the lamp. Shadows take only the lamp's light, never this.
const vec3 AMBIENT = vec3(0.050, 0.056, 0.075);
// A cool self-light: enough to make the machine stand out of the dark from across a hall,
// far too little to light anything else (it only brightens the surface's own colour).
const vec3 GLOW = vec3(0.16, 0.20, 0.26);
const vec3 LAMP_COLOR = vec3(1.0, 0.87, 0.68) * 2.0;
// Light the lamp throws back off nearby walls, so shadows close by are not black.
const float LAMP_BOUNCE = 0.025;
const float SPECULAR_STRENGTH = 0.25;

// tan(22.5 degrees): the lamp's frustum is 45 degrees square.
const float LAMP_HALF_TAN = 0.41421356;
// Light clip radius (1 is the frustum's edge) where the cone starts to fade and where it ends.
const float CONE_INNER = 0.2;
const float CONE_OUTER = 0.95;
// The lamp still spills a little light outside its cone.
const float SPILL = 0.06;

const float FOG_FAR = 30.0;
// How far the front has to close in (as a share of FOG_FAR) before the fog is at full
// strength: a switch starts and ends with the front at the far plane, and there the fog
// must be nothing yet, or it would flash on and off over a long view.
const float FOG_FADE = 0.35;
// Noise cells per world unit of the fog pattern, finer close to the player.
const float FOG_SCALE = 0.45;
const vec3 FOG_DEEP = vec3(0.035, 0.020, 0.090);
const vec3 FOG_BRIGHT = vec3(0.42, 0.50, 0.78);
const vec3 FOG_GLOW = vec3(0.90, 0.70, 1.00);

// Shadow term for a surface that faces the lamp by nDotL: 0 in shadow, 1 lit. Outside
// the shadow map nothing is known, so it counts as lit.
float shadowTerm(float nDotL) {
    vec2 mapSize = vec2(textureSize(shadowMap, 0));
    // A map texel covers more of the world the farther it is from the lamp; lifting the
    // lookup off the surface by a couple of texels (more at grazing angles) keeps the
    // surface from shadowing itself across the filter taps.
    float texelSize = 2.0 * LAMP_HALF_TAN * lightClip.w / mapSize.x;
    vec4 clip = lightClip + lightClipPerUnit * texelSize * (1.5 + 2.5 * (1.0 - nDotL));
    if (clip.w <= 0.0) {
        return 1.0;
    }
    vec3 coord = clip.xyz / clip.w * 0.5 + 0.5;
    if (any(lessThan(coord, vec3(0.0))) || any(greaterThan(coord, vec3(1.0)))) {
        return 1.0;
    }

#ifdef FAST_LOOK
    // One hard comparison: sharp-edged shadows, where the filter below costs a software
    // rasteriser a fifth of every frame.
    return texture(shadowMap, coord);
#else
    // A box two texels wide that slides smoothly across texel borders: each tap is a
    // hard depth comparison, the outer row and column are weighted by how far the box
    // reaches into them.
    vec2 texelPosition = coord.xy * mapSize - 1.0;
    vec2 base = floor(texelPosition);
    vec2 reach = texelPosition - base;
    vec3 weightX = vec3(1.0 - reach.x, 1.0, reach.x);
    vec3 weightY = vec3(1.0 - reach.y, 1.0, reach.y);
    float lit = 0.0;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            vec2 tap = (base + vec2(x, y) + 0.5) / mapSize;
            lit += weightX[x] * weightY[y] * texture(shadowMap, vec3(tap, coord.z));
        }
    }
    return lit / 4.0;
#endif
}

// How much of the lamp's cone reaches this point, SPILL outside the cone.
float coneTerm() {
    if (lightClip.w <= 0.0) {
        return SPILL;
    }
    float radius = length(lightClip.xy / lightClip.w);
    return mix(SPILL, 1.0, 1.0 - smoothstep(CONE_INNER, CONE_OUTER, radius));
}

// Lattice hash to 0..1 in a handful of integer operations (a multiply-xorshift mix): far
// cheaper per corner on a software rasteriser than hashing with floating-point fractions.
float mixHash(uint key) {
    key ^= key >> 15;
    key *= 0x2c1b3c6du;
    key ^= key >> 12;
    key *= 0x297a2d39u;
    key ^= key >> 15;
    return float(int(key >> 8)) * (1.0 / 16777216.0);
}

// Each axis adds its own odd multiple to a corner's key, so the eight corners of a cell
// share three products.
const uvec3 LATTICE = uvec3(0x8da6b343u, 0xd8163841u, 0xcb1ab31fu);

float valueNoise(vec3 p) {
    vec3 cell = floor(p);
    vec3 f = p - cell;
    f = f * f * (3.0 - 2.0 * f);
    uvec3 low = uvec3(ivec3(cell)) * LATTICE;
    uvec3 high = low + LATTICE;
    uint bottom0 = low.y + low.z;
    uint bottom1 = high.y + low.z;
    uint top0 = low.y + high.z;
    uint top1 = high.y + high.z;
    float bottom = mix(mix(mixHash(low.x + bottom0), mixHash(high.x + bottom0), f.x),
                       mix(mixHash(low.x + bottom1), mixHash(high.x + bottom1), f.x), f.y);
    float top = mix(mix(mixHash(low.x + top0), mixHash(high.x + top0), f.x),
                    mix(mixHash(low.x + top1), mixHash(high.x + top1), f.x), f.y);
    return mix(bottom, top, f.z);
}

float fbm(vec3 p) {
    float sum = 0.0;
    float amplitude = 0.5;
    for (int octave = 0; octave < 3; ++octave) {
        sum += amplitude * valueNoise(p);
        // Odd scale and a shift per octave hide the lattice.
        p = p * 2.03 + vec3(17.1, 3.7, 9.3);
        amplitude *= 0.5;
    }
    return sum / 0.875;
}

// Fog density pattern in 0..1 at a world point: noise that turns around the player,
// faster close by, rises slowly and folds into itself. Finer the closer it is sampled,
// so the cloud right around the player does not blur into one flat colour.
float fogSwirl(vec3 point, float scale) {
    vec3 offset = point - cameraPosition.xyz;
    float angle = fogTimer * 0.5 + 2.0 / (1.0 + length(offset.xz));
    float c = cos(angle);
    float s = sin(angle);
    offset.xz = mat2(c, s, -s, c) * offset.xz;
    // Only the offset takes the finer scale: scaling the world position would slide the
    // pattern by the player's distance from the origin each time the scale changes.
    vec3 q = cameraPosition.xyz * FOG_SCALE + offset * scale + vec3(0.0, -fogTimer * 0.3, 0.0);
    // A slow sine warp makes the cloud roll into itself.
    vec3 fold = sin(q.zxy * 0.6 + vec3(fogTimer * 0.15, 1.7, -fogTimer * 0.15));
    return fbm(q + vec3(fold.x, 0.0, fold.z) * 1.2);
}

vec3 applyFog(vec3 color) {
    vec3 toPoint = worldPosition - cameraPosition.xyz;
    float pointDistance = length(toPoint);
    vec3 direction = toPoint / max(pointDistance, 1e-4);

    // Sample in front of the surface, never beyond the fog front, so that once the fog
    // has closed in the player stands inside a moving cloud, not looking at a pattern
    // painted on the walls.
    float sampleDistance = min(pointDistance, max(fogDistance, 1.5));
    float scale = FOG_SCALE * max(1.0, 4.0 / sampleDistance);
    float swirl = fogSwirl(cameraPosition.xyz + direction * sampleDistance, scale);

    // A ragged front: the swirl pushes it back and forth by a good part of its distance.
    float front = fogDistance * (0.8 + 0.4 * swirl);
    float start = max(front - 10.0, front * 0.25);
    float density = clamp((pointDistance - start) / max(front - start, 1e-3), 0.0, 1.0);
    density = density * density * (3.0 - 2.0 * density);
    // As the front closes in, a veil thickens over everything still in view.
    float closing = 1.0 - clamp(fogDistance / FOG_FAR, 0.0, 1.0);
    density = max(density, closing * closing * (0.3 + 0.5 * swirl));

    vec3 fog = mix(FOG_DEEP, FOG_BRIGHT, smoothstep(0.25, 0.85, swirl));
    float pulse = 0.5 + 0.5 * sin(fogTimer * 2.3 + swirl * 6.2831853);
    float swirl2 = swirl * swirl;
    fog += FOG_GLOW * swirl2 * swirl2 * (0.3 + 0.4 * pulse);
    return mix(color, fog, density * smoothstep(0.0, FOG_FADE, closing));
}

void main() {
    vec4 texel = texture(colorTexture, texCoord);
    // Gamma 2 instead of 2.2: a square and a square root cost a fraction of pow on a
    // software rasteriser and look the same.
    vec3 albedo = texel.rgb * texel.rgb;

    vec3 toLamp = lightPosition.xyz - worldPosition;
    float lampDistance = length(toLamp);
    vec3 l = toLamp / max(lampDistance, 1e-4);
    float normalLength = length(worldNormal);
    // Meshes without normals get the attribute's default of zero: light them head-on.
    vec3 n = normalLength > 1e-6 ? worldNormal / normalLength : l;
    vec3 v = normalize(cameraPosition.xyz - worldPosition);

    float nDotL = max(dot(n, l), 0.0);
    float attenuation = 1.0 / (1.0 + 0.09 * lampDistance + 0.035 * lampDistance * lampDistance);
    float lamp = attenuation * coneTerm() * (nDotL > 0.0 ? shadowTerm(nDotL) : 0.0);

    vec3 h = normalize(l + v);
    // The 24th power by squaring.
    float nDotH = max(dot(n, h), 0.0);
    float nDotH3 = nDotH * nDotH * nDotH;
    float nDotH6 = nDotH3 * nDotH3;
    float nDotH24 = nDotH6 * nDotH6 * nDotH6 * nDotH6;
    float specular = nDotL > 0.0 ? nDotH24 * SPECULAR_STRENGTH : 0.0;

    vec3 received = AMBIENT + GLOW * emission;
    received += LAMP_COLOR * (LAMP_BOUNCE * attenuation + nDotL * lamp);
    vec3 color = albedo * received + LAMP_COLOR * specular * lamp;

#ifndef WITHOUT_FOG
    if (fogDistance >= 0.0) {
        color = applyFog(color);
    }
#endif

    // Up to half a step of noise before quantising breaks up banding in the dark falloff.
    uint pixel = uint(gl_FragCoord.x) * LATTICE.x + uint(gl_FragCoord.y) * LATTICE.y;
    float dither = (mixHash(pixel) - 0.5) / 255.0;
    fragColor = vec4(sqrt(max(color, vec3(0.0))) + dither, texel.a);
}
