// Fast uniform random integers for the steam dots, seeded from the clock.
#pragma once

#include <cstdint>

namespace zeph {

// xorshift64* generator: a few instructions per number, ample for scattering dots.
class Random {
public:
    Random() { Seed(0); }

    void SeedFromClock();
    // Any seed, zero included, gives a usable sequence; equal seeds give equal sequences.
    void Seed(uint64_t seed);
    // Uniform integer in [0, n); 0 for n <= 0.
    int32_t Rnd(int32_t n);

private:
    uint64_t Next();

    uint64_t state_ = 1;
};

}  // namespace zeph
