// Timing of the linkage solve with its port openings, and of one events sweep of the report.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"
#include "model/analysis/DimChange.h"
#include "model/analysis/GearSweep.h"

namespace {

// One solve and the openings per iteration, at a driver angle that moves on each time, with
// the reverse arm set to each of the gears in turn (in steps of RevArmNorm from mid gear).
void SolveAndOpenings(benchmark::State& state, std::initializer_list<float> normsFromMid)
{
    zeph::MechanismModel m;
    m.StartUp();
    std::vector<float> gears;
    for (float k : normsFromMid) gears.push_back(m.RevArmCentre + k * m.Frame.RevArmNorm);
    float angle = 0;
    size_t gear = 0;
    for (auto _ : state) {
        m.RevArmPosition = gears[gear];
        m.DriverAngle = angle;
        zeph::SolveLinkage(m);
        zeph::CalcPortOpenings(m);
        benchmark::DoNotOptimize(m.Ports);
        angle = angle >= 359.0f ? 0.0f : angle + 0.7f;
        gear = (gear + 1) % gears.size();
    }
    state.SetItemsProcessed(state.iterations());
}

// Normal forward gear throughout.
void BM_SolveAndOpenings(benchmark::State& state) { SolveAndOpenings(state, {1}); }
BENCHMARK(BM_SolveAndOpenings);

// Normal forward and normal reverse gear in turn, so that nothing depending on the gear
// carries over from one solve to the next.
void BM_SolveAndOpeningsGearChanging(benchmark::State& state) { SolveAndOpenings(state, {1, -1}); }
BENCHMARK(BM_SolveAndOpeningsGearChanging);

// One full turn in 0.1 degree steps (3600 steps) of normal forward gear, events included.
void BM_EventsSweep(benchmark::State& state)
{
    zeph::MechanismModel m;
    m.StartUp();
    zeph::ApplyDimChanges(m, {});
    const zeph::Gear gear = zeph::ResolveGear(m, zeph::ChoiceOf(zeph::NamedGear::Fwd));
    for (auto _ : state) {
        auto events = zeph::SweepGearEvents(m, gear, 0.1);
        benchmark::DoNotOptimize(events);
    }
    state.SetLabel("3600 steps");
}
BENCHMARK(BM_EventsSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
