// Program entry: one model, one session, the main window (which creates the windows it opens), the event loop.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "model/MechanismModel.h"
#include "platform/desktop/QtSound.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"
#include "ui/widgets/ErrorBox.h"

// zepharin [DESIGN.dzg]: a design named on the command line (as a file manager passes it) is
// opened at start as "&OpenDimensions" opens it; a refused file leaves the default design.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("zepharin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zepharin")));
    zeph::MechanismModel model;
    zeph::QtSound sound;
    zeph::Session session(model, sound);  // runs the model's start-up
    zeph::MainWindow mainWindow(session);
    for (const QString& error : mainWindow.StartupErrors()) zeph::ShowErrorBox(nullptr, error);
    mainWindow.show();

    const QStringList designs = app.arguments().mid(1);
    if (designs.size() > 1)
        std::fprintf(stderr, "zepharin: one design at a time; opening %s only\n", qPrintable(designs.front()));
    if (!designs.isEmpty()) mainWindow.OpenDesignFile(designs.front());
    return app.exec();
}
