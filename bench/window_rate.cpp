// Ticks per second of the running main window on the current display (run it under Xvfb).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "platform/desktop/Sound.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"

namespace {

void BM_WindowTicksPerSecond(benchmark::State& state)
{
    zeph::MechanismModel m;
    zeph::RecordingSound sound;
    zeph::Session session(m, sound);
    zeph::MainWindow window(session);
    if (state.range(0) != 0) session.ToggleSteamDisplay();
    window.show();
    int ticks = 0;
    QObject::connect(&window, &zeph::MainWindow::rendered, [&ticks] { ++ticks; });
    double seconds = 0;
    for (auto _ : state) {
        ticks = 0;
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(2000, qApp, &QApplication::quit);
        qApp->exec();
        seconds = clock.nsecsElapsed() / 1e9;
    }
    state.counters["ticks_per_s"] = ticks / seconds;
}

BENCHMARK(BM_WindowTicksPerSecond)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
