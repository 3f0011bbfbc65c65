// Timing of the linkage solve with its port openings, and of one events sweep of the report.
#include <benchmark/benchmark.h>

#include "model/MechanismModel.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "tools/report/ReportSweep.h"

namespace {

// One solve and the openings per iteration, at a driver angle that moves on each time.
void BM_SolveAndOpenings(benchmark::State& state)
{
    zeph::MechanismModel m;
    m.StartUp();
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
    float angle = 0;
    for (auto _ : state) {
        m.DriverAngle = angle;
        zeph::SolveLinkage(m);
        zeph::CalcPortOpenings(m);
        benchmark::DoNotOptimize(m.Ports);
        angle = angle >= 359.0f ? 0.0f : angle + 0.7f;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolveAndOpenings);

// One full turn in 0.1 degree steps (3600 steps) of normal forward gear, events included.
void BM_EventsSweep(benchmark::State& state)
{
    zeph::MechanismModel m;
    zeph::report::PrepareDesign(m, {});
    const zeph::report::GearRequest request{"fwd", zeph::report::NamedGear::Fwd, 0};
    const zeph::report::Gear gear = zeph::report::ResolveGear(m, request);
    for (auto _ : state) {
        auto events = zeph::report::SweepGearEvents(m, gear, 0.1);
        benchmark::DoNotOptimize(events);
    }
    state.SetLabel("3600 steps");
}
BENCHMARK(BM_EventsSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
