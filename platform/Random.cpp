// xorshift64* with a splitmix64-scrambled seed.
#include "platform/Random.h"

#include <chrono>

namespace zeph {

void Random::SeedFromClock()
{
    // Reseeded many times a second, so the high-resolution tick count and a counter both
    // feed the seed: two reseeds within one tick still differ.
    static uint64_t counter = 0;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Seed(static_cast<uint64_t>(ticks) + 0x9E3779B97F4A7C15ull * ++counter);
}

void Random::Seed(uint64_t seed)
{
    uint64_t z = seed + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    state_ = z != 0 ? z : 0x2545F4914F6CDD1Dull;  // the generator must not start at zero
}

}  // namespace zeph
