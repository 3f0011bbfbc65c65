// Cost of the canvas operations that every animation frame repeats, on a 1280x1024 picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/NumberText.h"
#include "platform/Random.h"

namespace {

using namespace zeph;

struct Frame {
    Frame() : image(1280, 1024, QImage::Format_RGB32), canvas(image) { canvas.Clear(clWhite); }
    QImage image;
    ImageCanvas canvas;
};

void BM_Clear(benchmark::State& state)
{
    Frame f;
    for (auto _ : state) {
        f.canvas.Clear(clWhite);
        benchmark::DoNotOptimize(f.image.constBits());
    }
}
BENCHMARK(BM_Clear)->Unit(benchmark::kMicrosecond);

// 5000 steam dots scattered over the picture.
void BM_SetPixel5000(benchmark::State& state)
{
    Frame f;
    Random random;
    random.Seed(1);
    for (auto _ : state) {
        for (int i = 0; i < 5000; ++i)
            f.canvas.SetPixel(random.Rnd(1280), random.Rnd(1024), clRed);
        benchmark::DoNotOptimize(f.image.constBits());
    }
}
BENCHMARK(BM_SetPixel5000)->Unit(benchmark::kMicrosecond);

// 40 readouts of about twelve characters, with values that change every frame.
void BM_TextOut40(benchmark::State& state)
{
    Frame f;
    double v = 0;
    for (auto _ : state) {
        for (int i = 0; i < 40; ++i)
            f.canvas.TextOut(545, 25 + 12 * i, "ValveFSt" + StrF(v + i, 7, 3));
        v += 0.137;
        benchmark::DoNotOptimize(f.image.constBits());
    }
}
BENCHMARK(BM_TextOut40)->Unit(benchmark::kMicrosecond);

// The rods and circles of a mechanism drawing: 20 lines and 20 circles, width 2.
void BM_LinesAndCircles(benchmark::State& state)
{
    Frame f;
    f.canvas.SetPenWidth(2);
    for (auto _ : state) {
        f.canvas.MoveTo(300, 500);
        for (int i = 0; i < 20; ++i) {
            f.canvas.LineTo(300 + 37 * i, 500 + ((i * 97) % 300) - 150);
            f.canvas.Ellipse(280 + 30 * i, 480, 320 + 30 * i + i * 5, 520 + i * 5);
        }
        f.canvas.Ellipse(100, 350, 400, 650);
        benchmark::DoNotOptimize(f.image.constBits());
    }
}
BENCHMARK(BM_LinesAndCircles)->Unit(benchmark::kMicrosecond);

void BM_CaptionDateTime(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ShortDateText() + LongTimeText());
}
BENCHMARK(BM_CaptionDateTime)->Unit(benchmark::kMicrosecond);

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
