// A tolerance and pin-wear study: the valve events of many designs drawn at random around one, and their spread.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/AnalysisControl.h"
#include "model/analysis/DimChange.h"
#include "model/analysis/EventFigures.h"
#include "model/analysis/FigureSpread.h"
#include "model/analysis/GearChoice.h"

namespace zeph {

// The half-width T of the uniform error of one dimension: the value is v + u, u in [-T, T].
struct DimTolerance {
    int code = 0;
    double tolerance = 0;
};

struct ToleranceRequest {
    std::vector<DimTolerance> tolerances;  // codes not named are built exactly; a later entry of a code wins
    double wear = 0;                       // C: play added to each link between two pins, u in [-C, C]
    long samples = 1000;
    std::uint64_t seed = 1;
    std::vector<GearChoice> gears;  // empty: fwd and rev
    double step = 0.1;              // sweep step, degrees
};

constexpr long MaxToleranceSamples = 1000000;

// The codes of the links whose length runs between two pins, which worn pins lengthen or shorten.
std::span<const int> WearCodes();

// The error half-widths of every dimension code, in dialog order: the tolerance and the wear.
struct CodeSpread {
    int code = 0;
    double tolerance = 0, wear = 0;
    bool Varies() const { return tolerance > 0 || wear > 0; }
};
std::vector<CodeSpread> CodeSpreads(const ToleranceRequest& r);

// The dimension values of sample `index` (0-based): each varying code's design value plus
// its draws, rounded to the 32-bit value the model holds. Sample k draws, from its own stream,
// one number per code in dialog order and then one per wear code, whatever is toleranced,
// so that one tolerance changed leaves the draws of the others as they were.
std::vector<DimChange> SampleChanges(const MechanismModel& design, const ToleranceRequest& r, long index);

// One gear: its nominal figures and their spread over the samples.
struct GearSpread {
    std::string gear;               // the gear's label
    EventFigureValues nominal{};    // the design itself, as the events report computes it
    bool nominalError = false;      // the design's own turn could not close the linkage
    std::array<FigureSpread, EventFigureCount> figures;
    long linkageFailures = 0;       // samples whose turn in this gear could not close the linkage
};

struct ToleranceResult {
    std::vector<GearSpread> gears;  // in the order asked
    long requested = 0;
    long samples = 0;               // samples taken in: 0 .. samples - 1
    long noMidGear = 0;             // of them, designs without a mid gear (missing in every gear)
    bool nominalNoMidGear = false;  // the design itself has none: nominal figures are empty
    bool cancelled = false;         // stopped early; the figures are those of the samples taken in
};

// Each sample is computed as the events report computes `--set` of its values on this design:
// the values written, mid gear found again, each gear placed from the new centre and swept.
// A sample that has no mid gear, or whose turn in a gear cannot close the linkage, counts as
// missing there. Samples run in parallel and are taken in in sample order, so the same request
// gives the same figures on any number of threads; a cancelled run holds the first samples,
// none left out. Progress counts samples taken in. `design` is copied, never changed.
ToleranceResult RunToleranceStudy(const MechanismModel& design, const ToleranceRequest& r,
                                  const AnalysisControl& control = {});

}  // namespace zeph
