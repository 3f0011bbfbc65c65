// Program entry: one model, the main window and the event loop.
#include <QApplication>

#include "main/MainForm.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zeph::MechanismModel model;
    zeph::TMainForm mainForm(model);
    mainForm.show();
    return app.exec();
}
