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
    // Uniform integer in [0, n); 0 for n <= 0. Inline: the steam draws tens of thousands a tick.
    int32_t Rnd(int32_t n)
    {
        if (n <= 0) return 0;
        // The high 32 bits scaled onto [0, n): bias below 2^-31 for the ranges drawn here.
        return static_cast<int32_t>(((Next() >> 32) * static_cast<uint64_t>(n)) >> 32);
    }

private:
    uint64_t Next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }

    uint64_t state_ = 1;
};

}  // namespace zeph
