// The main window's timer tick and the handlers of its run, gear, step and option controls.
#include <cmath>

#include "dimensions/CylinIN.h"
#include "dimensions/ZpIFrame.h"
#include "main/MainForm.h"
#include "main/Picture.h"
#include "main/SceneRenderer.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "model/ViewTransform.h"

namespace zeph {

namespace {

struct StepSnap {
    int upTo;      // last bar position of the band
    float step;    // degrees
    int small, large;  // driver-angle bar steps, hundredths of a degree
};

// The step bar's logarithmic scale snapped to the 1-2-3-5 series.
constexpr StepSnap kStepSnaps[] = {
    {704, 0.01f, 1, 5},       {1591, 0.02f, 2, 10},     {2408, 0.03f, 3, 15},     {3612, 0.05f, 5, 25},
    {4704, 0.1f, 10, 50},     {5591, 0.2f, 20, 100},    {6408, 0.3f, 30, 150},    {7612, 0.5f, 50, 250},
    {8704, 1.0f, 100, 500},   {9591, 2.0f, 200, 1000},  {10408, 3.0f, 300, 1500}, {11612, 5.0f, 500, 2500},
    {12704, 10.0f, 1000, 4500}, {13591, 20.0f, 2000, 4500}, {14408, 30.0f, 3000, 4500}, {14613, 45.0f, 4500, 4500},
};

const StepSnap& SnapFor(int position)
{
    for (const StepSnap& s : kStepSnaps)
        if (position <= s.upTo) return s;
    return kStepSnaps[std::size(kStepSnaps) - 1];
}

}  // namespace

void TMainForm::Timer1Timer()
{
    SolveLinkage(m);
    CalcPortOpenings(m);
    MapPivots(m);
    ComputeOutlines(m);
    Real angle = m.DriverAngle;
    angle += (m.RunDirection == "Fwd") ? Real(m.StepAngle) : -Real(m.StepAngle);
    m.DriverAngle = static_cast<float>(angle);
    if (Real(m.DriverAngle) > 360.1L) m.DriverAngle = static_cast<float>(Real(m.DriverAngle) - 360);
    if (m.DriverAngle < 0) m.DriverAngle = static_cast<float>(Real(m.DriverAngle) + 360);
    RenderScene();
}

void TMainForm::RenderScene()
{
    renderer_->RenderScene(scene_);
    Picture->update();
    emit Rendered();
}

void TMainForm::RunClick()
{
    if (Run->text() != "Run") {
        SBDrvAng->setValue(RoundInt(Real(m.DriverAngle) * 100));
        m.StepAngle = 0;
        SBDrvAng->setEnabled(true);
        Run->setText("Run");
    } else {
        m.StepAngle = m.ChosenStepAngle;
        SBDrvAng->setEnabled(false);
        Run->setText("Stop");
    }
    Deg00->setEnabled(true);
    Deg180->setEnabled(true);
}

void TMainForm::SBDrvAngChange()
{
    m.DriverAngle = static_cast<float>(SBDrvAng->value() / 100.0L);
    Deg180->setEnabled(true);
    Deg00->setEnabled(true);
}

// Stops the driver at an angle; the button for that angle is disabled, the other enabled.
void TMainForm::StopAt(float angle, QPushButton* pressed, QPushButton* other)
{
    m.DriverAngle = angle;
    SBDrvAng->setValue(RoundInt(Real(angle) * 100));
    m.StepAngle = 0;
    SBDrvAng->setEnabled(true);
    Run->setText("Run");
    pressed->setEnabled(false);
    other->setEnabled(true);
}

void TMainForm::Deg00Click() { StopAt(0, Deg00, Deg180); }
void TMainForm::Deg180Click() { StopAt(180, Deg180, Deg00); }

void TMainForm::StepClick(QPushButton* button, float step, int barPosition)
{
    button->setEnabled(false);
    m.ChosenStepAngle = step;
    if (Run->text() == "Stop") m.StepAngle = m.ChosenStepAngle;
    SBStepAng->setValue(barPosition);
}

void TMainForm::Step1Click() { StepClick(Step1, 1, 8000); }
void TMainForm::Step10Click() { StepClick(Step10, 10, 12000); }
void TMainForm::Step45Click() { StepClick(Step45, 45, 14613); }

void TMainForm::SBStepAngChange()
{
    if (SkipStepSnap) {
        SkipStepSnap = false;
    } else {
        const StepSnap& snap = SnapFor(SBStepAng->value());
        m.ChosenStepAngle = snap.step;
        SBDrvAng->setSingleStep(snap.small);
        SBDrvAng->setPageStep(snap.large);
        if (Run->text() == "Stop") m.StepAngle = m.ChosenStepAngle;
    }
    SetStepButtons();
}

void TMainForm::SetStepButtons()
{
    Step10->setEnabled(m.ChosenStepAngle != 10.0f);
    Step45->setEnabled(m.ChosenStepAngle != 45.0f);
    Step1->setEnabled(m.ChosenStepAngle != 1.0f);
}

void TMainForm::EmptyCutoffTexts()
{
    m.FrontCutoffText.clear();
    m.RearCutoffText.clear();
}

void TMainForm::SetGearButtons()
{
    const Real centre = m.RevArmCentre, norm = m.Frame.RevArmNorm, pos = m.RevArmPosition;
    Fwd->setEnabled(static_cast<float>(centre + norm) != static_cast<float>(pos));
    Rev->setEnabled(static_cast<float>(centre - norm) != static_cast<float>(pos));
}

void TMainForm::SBRevArmChange()
{
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) + SBRevArm->value() / 1000.0L);
    m.RunDirection = (m.RevArmCentre <= m.RevArmPosition) ? "Fwd" : "Rev";
    Center->setEnabled(SBRevArm->value() != 0);
    SetGearButtons();
    EmptyCutoffTexts();
}

void TMainForm::CenterClick()
{
    SBRevArm->setValue(0);
    m.RevArmPosition = m.RevArmCentre;
    Fwd->setEnabled(true);
    Rev->setEnabled(true);
    Center->setEnabled(false);
    EmptyCutoffTexts();
}

void TMainForm::FwdClick()
{
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) + m.Frame.RevArmNorm);
    SBRevArm->setValue(RoundInt(Real(m.Frame.RevArmNorm) * SBRevArm->maximum() / m.Frame.RevArmMax));
    Fwd->setEnabled(false);
    Rev->setEnabled(true);
    Center->setEnabled(true);
    EmptyCutoffTexts();
}

void TMainForm::RevClick()
{
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) - m.Frame.RevArmNorm);
    SBRevArm->setValue(RoundInt(Real(m.Frame.RevArmNorm) * SBRevArm->minimum() / m.Frame.RevArmMax));
    Rev->setEnabled(false);
    Fwd->setEnabled(true);
    Center->setEnabled(true);
    EmptyCutoffTexts();
}

void TMainForm::FindRevArmCentClick()
{
    m.CalcMidGear();
    CenterClick();
}

void TMainForm::SetSteamClick()
{
    m.SteamDisplayOn = !m.SteamDisplayOn;
    SetSteam->setText(m.SteamDisplayOn ? "SetS&teamDisp Off" : "SetS&teamDisp On");
}

void TMainForm::SetErrorBeepClick()
{
    m.ErrorBeepOn = !m.ErrorBeepOn;
    SetErrorBeep->setText(m.ErrorBeepOn ? "Set&ErrorBeep Off" : "Set&ErrorBeep On");
}

void TMainForm::SetLineWidthClick()
{
    m.LineWidth = (m.LineWidth == 1) ? 2 : 1;
    SetLineWidth->setText(m.LineWidth == 2 ? "Set&LineWidth 1" : "Set&LineWidth 2");
}

void TMainForm::LargeFontClick()
{
    if (LargeFont->text() != "SetLarge&Font") {
        LargeFont->setText("SetLarge&Font");
        m.TextScaleX = 1;
        m.TextScaleY = 1;
    } else {
        LargeFont->setText("SetSmall&Font");
        m.TextScaleX = 1.27f;
        m.TextScaleY = 1.22f;
    }
}

void TMainForm::ResetAllDimensionsClick()
{
    if (Windows.FrameDi) Windows.FrameDi->ResetFrameClick();
    if (Windows.CylDimen) Windows.CylDimen->ResetCylClick();
    m.CalcMidGear();
    CenterClick();
    NormVHZClick();
    m.DimSetName = "Nominal";
    m.DiagramVScale = 1.5f;
    m.DynVarOn = false;
    for (QScrollBar* bar : SBDynVar) bar->hide();
    for (int i : {7, 8, 9}) Panel[i]->hide();
    m.UndoOn = false;
}

void TMainForm::DynamicVariablesClick()
{
    m.DynVarOn = !m.DynVarOn;
    for (QScrollBar* bar : SBDynVar) bar->setVisible(m.DynVarOn);
    for (int i : {7, 8, 9}) Panel[i]->setVisible(m.DynVarOn);
}

void TMainForm::SetUnDoClick()
{
    m.UndoOn = !m.UndoOn;
}

}  // namespace zeph
