// The program's one source of random numbers.
//
// A process-wide xoshiro256** generator, seeded from a 64-bit seed through splitmix64. Doubles in
// [0, 1) are the generator's top 53 bits times 2^-53, so that the same seed gives the same draws
// on every platform and standard library. Seeded once per run; used from one thread only.
#pragma once

#include <cstdint>

namespace dudedur {

// Seeds the process-wide generator.
void SeedRandom(uint64_t seed);

// Seeds the process-wide generator from a high-resolution clock and returns the seed used,
// so that a run can be repeated.
uint64_t SeedRandomFromClock();

// The next double drawn uniformly from [0, 1).
double NextUniform();

// An integer from lo to hi inclusive: (hi - lo) * u + lo rounded half away from zero, which gives
// lo and hi half the weight of the values between them. Takes no number from the generator when
// hi <= lo, and then returns lo.
int32_t RandomInRange(int32_t lo, int32_t hi);

}  // namespace dudedur
