// The random numbers of one sample of a study: its own stream, fixed by the seed and the sample's index.
#pragma once

#include <cstdint>

namespace zeph {

// A splitmix64 stream started from (seed, index), so that sample k draws the same numbers
// whichever thread computes it and whatever ran before.
class SampleStream {
public:
    SampleStream(std::uint64_t seed, std::uint64_t index);

    std::uint64_t Next();
    // Uniform in [0, 1) with 53 random bits.
    double Unit();
    // Uniform in [-halfWidth, halfWidth); exactly 0 when halfWidth is 0.
    double Within(double halfWidth);

private:
    std::uint64_t state_;
};

}  // namespace zeph
