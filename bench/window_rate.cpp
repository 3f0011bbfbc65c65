// Ticks per second and processor time of the running main window on the current display (run it
// from build/run under Xvfb, as the program itself starts there).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "platform/desktop/QtSound.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"

namespace {

// Processor seconds (user and system) this process has used so far.
double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for `ms` milliseconds. QApplication::quit would first close every window,
// so that the window measured would be hidden and paint nothing.
void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the shown window, built of the classes the program builds it of, for `seconds` and
// reports its ticks per second and the share of one core the process kept busy.
// Arguments: steam display (0/1), fast timer (0/1), seconds.
void BM_RunningWindow(benchmark::State& state)
{
    zeph::MechanismModel m;
    zeph::QtSound sound;
    zeph::Session session(m, sound);
    zeph::MainWindow window(session);
    if (state.range(0) != 0) session.Display().Toggle(zeph::DisplayOption::SteamDisplay);
    if (state.range(1) != 0) session.Display().Toggle(zeph::DisplayOption::FastTimer);
    window.show();
    while (!window.windowHandle()->isExposed()) RunEvents(10);
    int ticks = 0;
    QObject::connect(&window, &zeph::MainWindow::rendered, [&ticks] { ++ticks; });
    double seconds = 0, busy = 0;
    for (auto _ : state) {
        RunEvents(1000);  // settle after showing
        ticks = 0;
        const double cpu0 = ProcessorSeconds();
        QElapsedTimer clock;
        clock.start();
        RunEvents(int(state.range(2) * 1000));
        seconds = clock.nsecsElapsed() / 1e9;
        busy = (ProcessorSeconds() - cpu0) / seconds;
    }
    if (!window.isVisible()) state.SkipWithError("the window was not shown throughout");
    state.counters["ticks_per_s"] = ticks / seconds;
    state.counters["core_share_pct"] = 100 * busy;
}

BENCHMARK(BM_RunningWindow)
    ->ArgNames({"steam", "fast", "s"})
    ->Args({0, 0, 10})
    ->Args({1, 0, 10})
    ->Args({0, 1, 3})
    ->Args({1, 1, 3})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
