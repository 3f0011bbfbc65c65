// Samples drawn per index, computed in parallel blocks, taken into the spreads in sample order.
#include "model/analysis/ToleranceStudy.h"

#include <algorithm>
#include <thread>

#include <tbb/parallel_pipeline.h>

#include "model/analysis/GearSweep.h"
#include "model/analysis/SampleStream.h"
#include "model/analysis/Sensitivity.h"

namespace zeph {

namespace {

constexpr std::array<int, 13> kWearCodes = {3, 5, 6, 7, 8, 12, 15, 17, 18, 19, 20, 21, 22};
// Samples per parallel task: small enough for a prompt cancel, large enough to keep the cores busy.
constexpr long BlockSize = 4;

std::vector<GearChoice> GearsOf(const ToleranceRequest& r)
{
    if (!r.gears.empty()) return r.gears;
    return {ChoiceOf(NamedGear::Fwd), ChoiceOf(NamedGear::Rev)};
}

// What one sample shows in every gear.
struct SampleOutcome {
    bool noMidGear = false;
    std::vector<EventFigureValues> figures;
    std::vector<bool> errors;
};

struct Block {
    long first = 0, wanted = 0;
    std::vector<SampleOutcome> outcomes;  // fewer than wanted when stopped part way
};

SampleOutcome Outcome(const MechanismModel& design, std::span<const DimChange> changes,
                      const std::vector<GearChoice>& gears, double step)
{
    SampleOutcome o;
    MechanismModel m = design;
    if (!ApplyDimChanges(m, changes)) {
        o.noMidGear = true;
        return o;
    }
    for (const GearEvents& ev : SweepGears(m, gears, step)) {
        o.figures.push_back(EventFiguresOf(ev));
        o.errors.push_back(ev.mechanismError);
    }
    return o;
}

// The study's result before any sample: the nominal figures, each spread referred to them.
ToleranceResult Nominal(const MechanismModel& design, const std::vector<GearChoice>& gears, double step)
{
    ToleranceResult result;
    const SampleOutcome nominal = Outcome(design, {}, gears, step);
    result.nominalNoMidGear = nominal.noMidGear;
    for (size_t g = 0; g < gears.size(); ++g) {
        GearSpread s;
        s.gear = gears[g].label;
        if (!nominal.noMidGear) {
            s.nominal = nominal.figures[g];
            s.nominalError = nominal.errors[g];
        }
        for (int k = 0; k < EventFigureCount; ++k) s.figures[k] = FigureSpread(s.nominal[k]);
        result.gears.push_back(std::move(s));
    }
    return result;
}

void TakeIn(ToleranceResult& result, const SampleOutcome& o)
{
    ++result.samples;
    if (o.noMidGear) ++result.noMidGear;
    for (size_t g = 0; g < result.gears.size(); ++g) {
        GearSpread& s = result.gears[g];
        const bool failed = o.noMidGear || o.errors[g];
        if (!o.noMidGear && o.errors[g]) ++s.linkageFailures;
        for (int k = 0; k < EventFigureCount; ++k)
            s.figures[k].Add(failed ? std::nullopt : o.figures[g][k]);
    }
}

}  // namespace

std::span<const int> WearCodes() { return kWearCodes; }

std::vector<CodeSpread> CodeSpreads(const ToleranceRequest& r)
{
    std::vector<CodeSpread> spreads;
    for (const int code : SensitivityCodes({})) {
        CodeSpread s{code, 0, 0};
        for (const DimTolerance& t : r.tolerances)
            if (t.code == code) s.tolerance = t.tolerance;
        if (std::find(kWearCodes.begin(), kWearCodes.end(), code) != kWearCodes.end()) s.wear = r.wear;
        spreads.push_back(s);
    }
    return spreads;
}

std::vector<DimChange> SampleChanges(const MechanismModel& design, const ToleranceRequest& r, long index)
{
    const std::vector<CodeSpread> spreads = CodeSpreads(r);
    SampleStream stream(r.seed, static_cast<std::uint64_t>(index));
    std::vector<double> u(spreads.size(), 0.0);
    for (size_t i = 0; i < spreads.size(); ++i) u[i] = stream.Within(spreads[i].tolerance);
    for (const int code : kWearCodes) {
        const double w = stream.Within(r.wear);
        for (size_t i = 0; i < spreads.size(); ++i)
            if (spreads[i].code == code) u[i] += w;
    }
    std::vector<DimChange> changes;
    for (size_t i = 0; i < spreads.size(); ++i)
        if (spreads[i].Varies())
            changes.push_back({spreads[i].code, static_cast<float>(double(design.GetDim(spreads[i].code)) + u[i])});
    return changes;
}

ToleranceResult RunToleranceStudy(const MechanismModel& design, const ToleranceRequest& r,
                                  const AnalysisControl& control)
{
    const std::vector<GearChoice> gears = GearsOf(r);
    ToleranceResult result = Nominal(design, gears, r.step);
    result.requested = r.samples;
    long next = 0;
    bool stopped = false;
    const auto tokens = static_cast<size_t>(2 * std::max(1u, std::thread::hardware_concurrency()));
    tbb::parallel_pipeline(
        tokens,
        tbb::make_filter<void, Block>(tbb::filter_mode::serial_in_order,
                                      [&](tbb::flow_control& fc) {
                                          if (next >= r.samples || control.CancelRequested()) {
                                              fc.stop();
                                              return Block{};
                                          }
                                          Block b{next, std::min(BlockSize, r.samples - next), {}};
                                          next += b.wanted;
                                          return b;
                                      }) &
            tbb::make_filter<Block, Block>(tbb::filter_mode::parallel,
                                           [&](Block b) {
                                               for (long i = 0; i < b.wanted && !control.CancelRequested(); ++i)
                                                   b.outcomes.push_back(Outcome(
                                                       design, SampleChanges(design, r, b.first + i), gears, r.step));
                                               return b;
                                           }) &
            tbb::make_filter<Block, void>(tbb::filter_mode::serial_in_order, [&](const Block& b) {
                // Once a block comes back short, later ones would leave a gap: they are dropped.
                if (stopped) return;
                for (const SampleOutcome& o : b.outcomes) TakeIn(result, o);
                stopped = long(b.outcomes.size()) < b.wanted;
                if (control.progress) control.progress({result.samples, r.samples});
            }));
    result.cancelled = result.samples < r.samples;
    return result;
}

}  // namespace zeph
