// The main window's view commands: Norm, presets, reference points and the display switches.
#include "main/MainForm.h"
#include "model/ViewTransform.h"

namespace zeph {

namespace {

void SetView(MechanismModel& m, const ViewTriple& v)
{
    m.ViewScale = v.scale;
    m.ViewPanX = v.panX;
    m.ViewPanY = v.panY;
}

ViewTriple CurrentView(const MechanismModel& m)
{
    return {m.ViewScale, m.ViewPanX, m.ViewPanY};
}

}  // namespace

void TMainForm::NormVHZClick()
{
    m.SavedZoom = m.ViewScale;
    m.SavedPanX = m.ViewPanX;
    m.SavedPanY = m.ViewPanY;
    SBPanVert->setValue(0);
    SBPanHorz->setValue(0);
    SBZoom->setValue(0);
    SetView(m, m.HomeView);
    NormVHZ->setEnabled(false);
    Preset[0]->setEnabled(true);
}

void TMainForm::Preset0Click()
{
    m.ViewPresets[0] = CurrentView(m);
    Preset[0]->setEnabled(false);
    NormVHZ->setEnabled(true);
}

void TMainForm::PresetClick(int n)
{
    if (!Preset[0]->isEnabled()) m.ViewPresets[n] = m.ViewPresets[0];
    SetView(m, m.ViewPresets[n]);
    NormVHZ->setEnabled(true);
    Preset[0]->setEnabled(true);
}

// Puts a reference point at pixel (320, 240), then nudges the pan bars by the amount the
// home view implies, which pans once more by their own rule.
void TMainForm::CentreOn(int pivot)
{
    const Real x = m.Pivots[pivot].x, y = m.Pivots[pivot].y;
    m.ViewPanX = static_cast<float>(320 - x * m.ViewScale);
    m.ViewPanY = static_cast<float>(y * m.ViewScale + 240);
    const Real h = m.HomeView.scale, hx = m.HomeView.panX, hy = m.HomeView.panY;
    SBPanHorz->setValue(RoundInt(((Real(m.ViewPanX) - 320) * h / m.ViewScale + 320 - hx) * 100 / (-hx)));
    SBPanVert->setValue(RoundInt(((Real(m.ViewPanY) - 240) * h / m.ViewScale + 240 - hy) * 200 / hy));
}

void TMainForm::RefPt1Click() { CentreOn(RefPoint1); }
void TMainForm::RefPt2Click() { CentreOn(RefPoint2); }

void TMainForm::RefPt1ZeroClick()
{
    m.Pivots[RefPoint1].x = m.Pivots[RefPoint1].y = 0;
    SBRef1Vert->setValue(0);
    SBRef1Horz->setValue(0);
    RefPt1Zero->setEnabled(false);
}

void TMainForm::RefPt2ZeroClick()
{
    m.Pivots[RefPoint2].x = m.Pivots[RefPoint2].y = 0;
    SBRef2Vert->setValue(0);
    SBRef2Horz->setValue(0);
    RefPt2Zero->setEnabled(false);
}

QList<QWidget*> TMainForm::RefPointWidgets() const
{
    return {SBRef1Vert, SBRef1Horz, SBRef2Vert, SBRef2Horz, RefPt1Zero, RefPt2Zero};
}

void TMainForm::ShowRefPointControls(bool on)
{
    for (QWidget* w : RefPointWidgets()) w->setVisible(on);
    for (int i : {5, 6, 11}) Panel[i]->setVisible(on);
    RefPt1->setEnabled(on);
    RefPt2->setEnabled(on);
    DrawLines1->setEnabled(on);
    ToolButton[23]->setEnabled(on);
}

void TMainForm::RefPointsClick()
{
    m.RefPointsOn = !m.RefPointsOn;
    ShowRefPointControls(m.RefPointsOn);
    if (!m.RefPointsOn) {
        m.PivotDataOn = false;
        DataTableBut->hide();
    }
}

void TMainForm::SetPanZoomClick()
{
    const bool show = SetPanZoom->text() != "SetP&anZoom Off";
    SetPanZoom->setText(show ? "SetP&anZoom Off" : "SetP&anZoom On");
    for (QScrollBar* bar : {SBPanVert, SBPanHorz, SBZoom}) bar->setVisible(show);
}

void TMainForm::SetScreenDataClick()
{
    m.ScreenDataOn = !m.ScreenDataOn;
    const bool on = m.ScreenDataOn;
    SetScreenData->setText(on ? "SetScree&nData Off" : "SetScree&nData On");
    for (int i = 1; i <= 12; ++i) Panel[i]->setVisible(on && !(i >= 5 && i <= 8) && i != 11);
    QList<QWidget*> strip = {NormVHZ, RefPt1, RefPt2, Rev, Center, Fwd, Deg180, Run, Deg00, Step1, Step10, Step45,
                             SBPanVert, SBPanHorz, SBZoom, SBRevArm, SBDrvAng, SBStepAng, ToolBar1};
    for (QPushButton* p : Preset) strip.append(p);
    for (QWidget* w : strip) w->setVisible(on);
    for (QWidget* w : RefPointWidgets()) w->hide();
    DataTableBut->hide();
    for (QScrollBar* bar : SBDynVar) bar->hide();
    for (QAction* a : {DriverAng, FindRevArmCent, DynamicVariables, RefPoints, SetUnDo, SetPivotData})
        a->setEnabled(on);
    RefPoints1->setVisible(on);
    if (!on) {
        DrawLines1->setEnabled(false);
        ToolButton[23]->setEnabled(false);
        m.DynVarOn = m.RefPointsOn = m.UndoOn = m.PivotDataOn = false;
        SetPanZoom->setEnabled(true);
    } else {
        SetPanZoom->setEnabled(false);
        SetPanZoom->setText("Set&PanZoom On");
    }
}

}  // namespace zeph
