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
#include "DesignMutations.h"
#include "ModelComparison.h"
#include "ModelTestSupport.h"
#include "model/design/DesignFile.h"

namespace zeph {
namespace {

using test::Bytes;
using test::Mutate;
using test::Read;
using test::Seeds;

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
