// Timing of the analyses on the default design: five gears' events, sensitivity, valve setting, tolerance study.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/DimChange.h"
#include "model/analysis/GearSweep.h"
#include "model/analysis/Sensitivity.h"
#include "model/analysis/ToleranceStudy.h"
#include "model/analysis/ValveSetting.h"

namespace {

zeph::MechanismModel DefaultDesign()
{
    zeph::MechanismModel m;
    m.StartUp();
    zeph::ApplyDimChanges(m, {});
    return m;
}

// What an events table shows: the five standard gears at 0.1 degree.
void BM_EventsOfFiveGears(benchmark::State& state)
{
    const zeph::MechanismModel m = DefaultDesign();
    using zeph::NamedGear;
    std::vector<zeph::GearChoice> gears;
    for (NamedGear g : {NamedGear::Mid, NamedGear::Fwd, NamedGear::FwdMax, NamedGear::Rev, NamedGear::RevMax})
        gears.push_back(zeph::ChoiceOf(g));
    for (auto _ : state) {
        auto events = zeph::SweepGears(m, gears, 0.1);
        benchmark::DoNotOptimize(events);
    }
    state.SetLabel("5 gears x 3600 steps");
}
BENCHMARK(BM_EventsOfFiveGears)->Unit(benchmark::kMillisecond);

// All 44 codes in fwd and rev at 0.1 degree: 176 turns, spread over the cores.
void BM_SensitivityAllCodes(benchmark::State& state)
{
    const zeph::MechanismModel m = DefaultDesign();
    for (auto _ : state) {
        auto s = zeph::ComputeSensitivity(m, {});
        benchmark::DoNotOptimize(s);
    }
    state.SetLabel("44 codes x 2 gears");
}
BENCHMARK(BM_SensitivityAllCodes)->Unit(benchmark::kMillisecond)->UseRealTime();

// Valve rod and both eccentric rod ends free; cut-off balanced at fwd and rev, lead at both.
void BM_ValveSetting(benchmark::State& state)
{
    const zeph::MechanismModel m = DefaultDesign();
    using zeph::NamedGear;
    using zeph::SettingEvent;
    zeph::SettingProblem p;
    for (int code : {18, 6, 7}) p.free.push_back(zeph::DefaultBounds(code, m.GetDim(code)));
    for (auto [event, gear] : {std::pair{SettingEvent::Cutoff, NamedGear::Fwd}, {SettingEvent::Cutoff, NamedGear::Rev},
                               {SettingEvent::Lead, NamedGear::Fwd}, {SettingEvent::Lead, NamedGear::Rev}})
        p.goals.push_back({event, zeph::ChoiceOf(gear), true, 0});
    long evaluations = 0;
    for (auto _ : state) {
        const zeph::SettingResult r = zeph::SolveValveSetting(m, p);
        evaluations = r.evaluations;
        benchmark::DoNotOptimize(r.after.objective);
    }
    state.SetLabel("3 free, 4 goals, 2 gears: " + std::to_string(evaluations) + " evaluations");
}
BENCHMARK(BM_ValveSetting)->Unit(benchmark::kMillisecond)->UseRealTime();

// 1,000 samples in fwd and rev at 0.1 degree, all 44 codes toleranced by 0.01 and the pinned
// links worn by 0.005: 2,000 turns and 1,000 mid-gear searches, spread over the cores.
void BM_ToleranceStudy(benchmark::State& state)
{
    const zeph::MechanismModel m = DefaultDesign();
    zeph::ToleranceRequest r;
    for (const int code : zeph::SensitivityCodes({})) r.tolerances.push_back({code, 0.01});
    r.wear = 0.005;
    for (auto _ : state) {
        auto t = zeph::RunToleranceStudy(m, r);
        benchmark::DoNotOptimize(t);
    }
    state.SetLabel("1000 samples x 2 gears x 3600 steps");
}
BENCHMARK(BM_ToleranceStudy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
