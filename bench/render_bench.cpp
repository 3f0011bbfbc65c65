// Cost of one animation tick (solve, openings, map, outlines, render) beside a bare picture fill.
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "model/tick/AnimationTick.h"
#include "platform/Canvas.h"
#include "render/scene/ScenePainter.h"

namespace {

using namespace zeph;

// One tick as the main window runs it, without the sounds and the copy to the screen.
void Tick(MechanismModel& m, ScenePainter& painter, QImage& image)
{
    const TickEvents events = SimulateTick(m);
    benchmark::DoNotOptimize(events.soundCount);
    painter.Paint(image, m);
}

void RunTicks(benchmark::State& state, bool steam, int preset)
{
    MechanismModel m;
    m.StartUp();
    m.SteamDisplayOn = steam;
    if (preset > 0) {
        m.ViewScale = m.ViewPresets[preset].scale;
        m.ViewPanX = m.ViewPresets[preset].panX;
        m.ViewPanY = m.ViewPresets[preset].panY;
    }
    ScenePainter painter;
    QImage image(1280, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        Tick(m, painter, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_BareFill(benchmark::State& state)
{
    QImage image(1280, 1024, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    for (auto _ : state) {
        canvas.Clear(clWhite);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_TickDefaultSteamOff(benchmark::State& state) { RunTicks(state, false, 0); }
void BM_TickDefaultSteamOn(benchmark::State& state) { RunTicks(state, true, 0); }
void BM_TickPreset5SteamOn(benchmark::State& state) { RunTicks(state, true, 5); }

BENCHMARK(BM_BareFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDefaultSteamOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDefaultSteamOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickPreset5SteamOn)->Unit(benchmark::kMicrosecond);

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
