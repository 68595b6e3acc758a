#pragma once

#include <cstdint>

namespace Vexmor::assetgen {

// SplitMix64: tiny, fast and the same numbers on every platform and library, which the
// standard distributions do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    float unit() { return static_cast<float>(next() >> 40) / 16777216.0f; }
    float range(float low, float high) { return low + (high - low) * unit(); }
    // Uniform in [0, count).
    int below(int count) { return static_cast<int>(next() % static_cast<std::uint64_t>(count)); }

private:
    std::uint64_t state;
};

// A well-mixed 32-bit hash of a lattice point, for noise that needs no state.
inline std::uint32_t hashPoint(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed ^ 0x27D4EB2Fu;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h = (h ^ (h >> 12)) * 0x297A2D39u;
    return h ^ (h >> 15);
}

inline float hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(hashPoint(x, y, seed) >> 8) / 16777216.0f;
}

} // namespace Vexmor::assetgen
