// Program entry: one model, one session, the main window (which creates the windows it opens), the event loop.
#include <QApplication>

#include "model/MechanismModel.h"
#include "platform/desktop/Sound.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zeph::MechanismModel model;
    zeph::QtSound sound;
    zeph::Session session(model, sound);  // runs the model's start-up
    zeph::MainWindow mainWindow(session);
    mainWindow.show();
    return app.exec();
}
