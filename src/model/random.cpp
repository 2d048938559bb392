#include "model/random.h"

#include <chrono>
#include <cmath>

namespace dudedur {
namespace {

uint64_t SplitMix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr uint64_t RotateLeft(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

struct Xoshiro256StarStar {
    uint64_t s[4];

    void Seed(uint64_t seed) {
        for (uint64_t& word : s) word = SplitMix64(seed);
    }

    uint64_t Next() {
        const uint64_t result = RotateLeft(s[1] * 5, 7) * 9;
        const uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = RotateLeft(s[3], 45);
        return result;
    }
};

Xoshiro256StarStar& Generator() {
    static Xoshiro256StarStar generator = [] {
        Xoshiro256StarStar g{};
        g.Seed(0);
        return g;
    }();
    return generator;
}

}  // namespace

void SeedRandom(uint64_t seed) { Generator().Seed(seed); }

uint64_t SeedRandomFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto seed = static_cast<uint64_t>(ticks);
    SeedRandom(seed);
    return seed;
}

double NextUniform() { return static_cast<double>(Generator().Next() >> 11) * 0x1.0p-53; }

int32_t RandomInRange(int32_t lo, int32_t hi) {
    if (hi <= lo) return lo;
    const double u = NextUniform();
    const double v = (static_cast<double>(hi) - lo) * u + lo;
    return static_cast<int32_t>(std::round(v));  // half away from zero
}

}  // namespace dudedur
