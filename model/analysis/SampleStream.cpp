// splitmix64: a 64-bit counter stepped by the golden ratio and mixed by two multiply-xorshifts.
#include "model/analysis/SampleStream.h"

namespace zeph {

namespace {

constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15ull;

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

// The index is mixed on its own first, so that neighbouring seeds and indices do not share
// overlapping stretches of one stream.
SampleStream::SampleStream(std::uint64_t seed, std::uint64_t index)
    : state_(Mix(seed * Golden + 1) ^ Mix(index + Golden))
{
}

std::uint64_t SampleStream::Next()
{
    state_ += Golden;
    return Mix(state_);
}

double SampleStream::Unit()
{
    return double(Next() >> 11) * 0x1.0p-53;
}

double SampleStream::Within(double halfWidth)
{
    return halfWidth * (2 * Unit() - 1);
}

}  // namespace zeph
