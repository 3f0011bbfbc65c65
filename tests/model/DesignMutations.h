// Valid design files and deterministic mutations of them, for the tests that open whatever a file may hold.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <vector>

#include "ModelTestSupport.h"
#include "model/design/DesignFile.h"

namespace zeph::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Read(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Valid files to start from: a saved default design, one with unusual values and lines in
// every slot, and short files of the earlier layout.
inline std::vector<Bytes> Seeds()
{
    MechanismModel m = test::StartedModel();
    std::vector<Bytes> seeds = {WriteDesignFile(m)};
    for (int s = 1; s <= LineSlotCount; ++s) m.Lines[s] = {float(s % 3) - 1, 255, float(s % 4), 1, 2, 3, 4, float(s), 0, 0, 20, 1, 1};
    m.CurrentLineSlot = 20;
    m.Cyl.Reserved = std::numeric_limits<float>::quiet_NaN();
    m.Frame.MainRodLen = -10;
    seeds.push_back(WriteDesignFile(m));
    for (const size_t size : {400u, 390u}) seeds.push_back(Bytes(seeds[0].begin(), seeds[0].begin() + size));
    return seeds;
}

// One deterministic mutation: a flipped bit, an odd value in a field, a random byte or field,
// or a new length near the layouts' limits. The generator's raw output is used so the
// sequence is the same with every standard library.
inline void Mutate(Bytes& b, std::mt19937& rng)
{
    static const float odd[] = {std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::signaling_NaN(), std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity(), 0.0f, -0.0f,
                                std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::max(),
                                -std::numeric_limits<float>::max(), 1e-30f, 1.0f, 20.0f, 20.5f, 21.0f, 0.5f, -1.0f};
    static const size_t lengths[] = {0, 1, 19, 379, 380, 381, 399, 400, 401, 419, 420, 439, 1420, 1439, 1440, 1441, 1459, 1460, 2000};
    const auto pick = [&rng](size_t n) { return size_t(rng() % n); };
    switch (rng() % 5) {
    case 0:
        if (!b.empty()) b[pick(b.size())] ^= std::uint8_t(1u << pick(8));
        break;
    case 1:
        if (b.size() >= 4) {
            const float v = odd[pick(std::size(odd))];
            std::memcpy(&b[pick(b.size() / 4) * 4], &v, 4);
        }
        break;
    case 2:
        if (!b.empty()) b[pick(b.size())] = std::uint8_t(rng());
        break;
    case 3:
        if (b.size() >= 4) {
            const std::uint32_t v = rng();
            std::memcpy(&b[pick(b.size() / 4) * 4], &v, 4);
        }
        break;
    default:
        b.resize(rng() % 4 == 0 ? pick(2001) : lengths[pick(std::size(lengths))], std::uint8_t(rng()));
        break;
    }
}

}  // namespace zeph::test
