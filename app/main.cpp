// Program entry: one model, the windows in their creation order, and the event loop.
#include <QApplication>

#include "dimensions/CylinIN.h"
#include "dimensions/GraphicZoom.h"
#include "dimensions/ZpIFrame.h"
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

    // The main window first (its creation runs the model's start-up), then the others hidden.
    zeph::TMainForm mainForm(model, sound);
    zeph::AppWindows& w = mainForm.Windows;
    w.DrivAng = new zeph::TDrivAng(model, mainForm);
    w.RefPnts = new zeph::TRefPnts(model, mainForm);
    w.RevPos = new zeph::TRevPos(model, mainForm);
    w.StpAng = new zeph::TStpAng(model, mainForm);
    w.FrameDi = new zeph::TFrameDi(model, mainForm);
    w.GraphZoom = new zeph::TGraphZoom(model, mainForm);
    w.CylDimen = new zeph::TCylDimen(model, mainForm);
    mainForm.ConnectPointerDialogs();

    mainForm.show();
    return app.exec();
}
