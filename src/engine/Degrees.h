#pragma once

namespace Vexmor::engine {

// The game's own degree-to-radian factor; angles everywhere are given in degrees.
constexpr float radiansPerDegree = 0.0174533f;

constexpr float radians(float degrees) {
    return degrees * radiansPerDegree;
}

} // namespace Vexmor::engine
