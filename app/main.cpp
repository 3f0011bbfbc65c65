// Program entry: one model, one session, the main window (which creates the windows it opens), the event loop.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <optional>

#include "model/design/MechanismModel.h"
#include "platform/desktop/QtSound.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"
#include "ui/widgets/ErrorBox.h"

namespace {

constexpr int ExitUsage = 2;

const char* const Usage =
    "Usage: zepharin [DESIGN.dzg]\n"
    "The valve gear simulator; a design named here is opened at start as File -> OpenDimensions opens it.\n"
    "  --help     this text\n"
    "  --version  the program's version\n"
    "  --         what follows is a design, even when it starts with \"-\"\n"
    "The platform's own options (-platform NAME, -style NAME, ...) are taken as well.\n";

bool Is(const char* arg, const char* option)
{
    return std::strcmp(arg, option) == 0;
}

// --help and --version answer on stdout before anything else, so they need no display.
// Returns the exit status when one of them was asked for.
std::optional<int> AnswerAtOnce(int argc, char** argv)
{
    for (int i = 1; i < argc && !Is(argv[i], "--"); ++i) {
        if (Is(argv[i], "--help")) {
            std::fputs(Usage, stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (Is(argv[i], "--version")) {
            std::printf("zepharin %s\n", ZEPH_VERSION);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }
    return std::nullopt;
}

// The designs named once the platform has taken its own options; an option it did not take is
// refused rather than opened as a design of that name.
std::optional<QStringList> DesignArguments(const QStringList& args)
{
    QStringList designs;
    bool optionsEnded = false;
    for (const QString& arg : args.mid(1)) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "zepharin: unknown option %s; zepharin --help shows the usage\n", qPrintable(arg));
            return std::nullopt;
        } else {
            designs.append(arg);
        }
    }
    return designs;
}

}  // namespace

// zepharin [DESIGN.dzg]: a design named on the command line (as a file manager passes it) is
// opened at start as "&OpenDimensions" opens it; a refused file leaves the default design.
int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerAtOnce(argc, argv)) return *status;
    QApplication app(argc, argv);
    const std::optional<QStringList> designs = DesignArguments(app.arguments());
    if (!designs) return ExitUsage;
    QGuiApplication::setDesktopFileName(QStringLiteral("zepharin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zepharin")));
    zeph::MechanismModel model;
    zeph::QtSound sound;
    zeph::Session session(model, sound);  // runs the model's start-up
    zeph::MainWindow mainWindow(session);
    for (const QString& error : mainWindow.StartupErrors()) zeph::ShowErrorBox(nullptr, error);
    mainWindow.show();

    if (designs->size() > 1)
        std::fprintf(stderr, "zepharin: one design at a time; opening %s only\n", qPrintable(designs->front()));
    if (!designs->isEmpty()) mainWindow.OpenDesignFile(designs->front());
    return app.exec();
}
