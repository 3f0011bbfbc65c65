// libFuzzer target for the design-file reader: any bytes give a design or a clear refusal.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "model/design/DesignFile.h"
#include "tests/model/DesignExercise.h"
#include "tests/model/ModelComparison.h"
#include "tests/model/ModelTestSupport.h"

namespace {

void Fail(const std::string& what)
{
    std::fprintf(stderr, "design reader fault: %s\n", what.c_str());
    std::abort();
}

const zeph::MechanismModel& Started()
{
    static const zeph::MechanismModel m = zeph::test::StartedModel();
    return m;
}

}  // namespace

// Whatever the bytes: a refusal has a reason and leaves the model exactly as it was; an
// accepted design survives what the program does with it, and saving it gives a file that
// opens to the very same model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using zeph::test::ModelComparison;
    zeph::MechanismModel m = Started();
    if (const auto refusal = zeph::OpenDesign(m, std::span<const std::uint8_t>(data, size))) {
        if (refusal->message.empty()) Fail("refusal without a reason");
        const std::string changed = ModelComparison::FirstDifference(m, Started());
        if (!changed.empty()) Fail("a refused file changed " + changed);
        return 0;
    }
    zeph::MechanismModel reopened = Started();
    if (const auto refusal = zeph::OpenDesign(reopened, zeph::WriteDesignFile(m)))
        Fail("a saved design is refused: " + refusal->message);
    const std::string differs = ModelComparison::FirstDifference(reopened, m);
    if (!differs.empty()) Fail("a saved design reopens with another " + differs);
    zeph::test::ExerciseOpenedDesign(m);
    return 0;
}
