// The design reader over the fuzzer's corpus and over many deterministic mutations of valid files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "DesignExercise.h"
#include "ModelComparison.h"
#include "ModelTestSupport.h"
#include "model/DesignFile.h"

namespace zeph {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Tally {
    long accepted = 0, refused = 0, faults = 0;
    std::string firstFault;

    void Fault(const std::string& what)
    {
        if (faults++ == 0) firstFault = what;
    }
};

// Opens the bytes into a started model: a refusal must say why and leave the model as it was;
// an accepted design is run through what the program does with it.
void OpenAndRun(const Bytes& bytes, Tally& tally, const std::string& label)
{
    static const MechanismModel started = test::StartedModel();
    MechanismModel m = started;
    if (const auto refusal = OpenDesign(m, bytes)) {
        ++tally.refused;
        if (refusal->message.empty()) tally.Fault(label + ": refused without a reason");
        const std::string changed = test::ModelComparison::FirstDifference(m, started);
        if (!changed.empty()) tally.Fault(label + ": refused but changed " + changed);
        return;
    }
    ++tally.accepted;
    test::ExerciseOpenedDesign(m);
}

Bytes Read(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(DesignCorpus, EveryCorpusFileIsOpenedOrRefusedCleanly)
{
    ASSERT_TRUE(std::filesystem::is_directory(ZEPH_DESIGN_CORPUS)) << ZEPH_DESIGN_CORPUS;
    Tally tally;
    long files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZEPH_DESIGN_CORPUS)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        OpenAndRun(Read(entry.path()), tally, entry.path().filename().string());
    }
    EXPECT_GT(files, 50);
    EXPECT_GT(tally.accepted, 0);
    EXPECT_GT(tally.refused, 0);
    EXPECT_EQ(tally.faults, 0) << tally.firstFault;
}

// Valid files to start from: a saved default design, one with unusual values and lines in
// every slot, and short files of the earlier layout.
std::vector<Bytes> Seeds()
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
void Mutate(Bytes& b, std::mt19937& rng)
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

TEST(DesignCorpus, HundredThousandMutationsOfValidFiles)
{
    const std::vector<Bytes> seeds = Seeds();
    std::mt19937 rng(20260613u);
    Tally tally;
    for (long i = 0; i < 100000; ++i) {
        Bytes b = seeds[rng() % seeds.size()];
        for (unsigned n = 1 + rng() % 4; n > 0; --n) Mutate(b, rng);
        OpenAndRun(b, tally, "mutation " + std::to_string(i));
    }
    EXPECT_EQ(tally.faults, 0) << tally.firstFault;
    EXPECT_GT(tally.accepted, 20000);
    EXPECT_GT(tally.refused, 20000);
}

}  // namespace
}  // namespace zeph
