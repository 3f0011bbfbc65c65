// Timing of a full diagram redraw (the sweeps and the painting into an image) with nine positions.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "model/diagrams/DiagramPositions.h"
#include "model/design/MechanismModel.h"
#include "render/diagrams/DiagramPainter.h"

namespace {

// A design with all nine list positions used, from full reverse to full forward gear.
zeph::MechanismModel NinePositions()
{
    zeph::MechanismModel m;
    m.StartUp();
    for (int k = 1; k <= zeph::MaxDiagramPositions; ++k)
        m.DiagramRevArmPos[k] = m.RevArmCentre + m.Frame.RevArmMax * float(k - 5) / 4;
    zeph::TidyDiagramPositions(m);
    return m;
}

void Redraw(benchmark::State& state, zeph::DiagramKind kind, zeph::PortsMode mode)
{
    zeph::MechanismModel m = NinePositions();
    QString undoLine;
    for (auto _ : state) {
        QImage image = zeph::PaintDiagramImage(m, zeph::ComputeDiagram(m, kind, mode), undoLine);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The computation alone, to tell its share of a redraw from the painting's.
void Compute(benchmark::State& state, zeph::DiagramKind kind, zeph::PortsMode mode)
{
    zeph::MechanismModel m = NinePositions();
    for (auto _ : state) {
        zeph::DiagramData data = zeph::ComputeDiagram(m, kind, mode);
        benchmark::DoNotOptimize(data);
    }
}

void BM_SineRedraw(benchmark::State& s) { Redraw(s, zeph::DiagramKind::Sine, zeph::PortsMode::Forward); }
void BM_OvalRedraw(benchmark::State& s) { Redraw(s, zeph::DiagramKind::Oval, zeph::PortsMode::Forward); }
void BM_SteamRedraw(benchmark::State& s) { Redraw(s, zeph::DiagramKind::Steam, zeph::PortsMode::Forward); }
void BM_PortsRedraw(benchmark::State& s) { Redraw(s, zeph::DiagramKind::Ports, zeph::PortsMode::Forward); }
void BM_PortsBothRedraw(benchmark::State& s) { Redraw(s, zeph::DiagramKind::Ports, zeph::PortsMode::Both); }

void BM_SineCompute(benchmark::State& s) { Compute(s, zeph::DiagramKind::Sine, zeph::PortsMode::Forward); }
void BM_OvalCompute(benchmark::State& s) { Compute(s, zeph::DiagramKind::Oval, zeph::PortsMode::Forward); }
void BM_SteamCompute(benchmark::State& s) { Compute(s, zeph::DiagramKind::Steam, zeph::PortsMode::Forward); }
void BM_PortsBothCompute(benchmark::State& s) { Compute(s, zeph::DiagramKind::Ports, zeph::PortsMode::Both); }

BENCHMARK(BM_SineRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OvalRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SteamRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PortsRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PortsBothRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SineCompute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OvalCompute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SteamCompute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PortsBothCompute)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
