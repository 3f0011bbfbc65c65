// Program entry: one model, the windows in their creation order, and the event loop.
#include <QApplication>

#include "main/DrvAng.h"
#include "main/MainForm.h"
#include "main/RefPoint.h"
#include "main/ReverPos.h"
#include "main/StepAngle.h"
#include "platform/Sound.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zeph::MechanismModel model;
    zeph::QtSound sound;

    zeph::TMainForm mainForm(model, sound);
    zeph::AppWindows& w = mainForm.Windows;
    w.DrivAng = new zeph::TDrivAng(model, mainForm);
    w.RefPnts = new zeph::TRefPnts(model, mainForm);
    w.RevPos = new zeph::TRevPos(model, mainForm);
    w.StpAng = new zeph::TStpAng(model, mainForm);

    mainForm.show();
    return app.exec();
}
