// The main window's widgets brought in line with the session's state after each change.
#include <QLayout>
#include <QSignalBlocker>

#include "model/ViewTransform.h"
#include "render/PivotDataPainter.h"
#include "render/ReadoutPainter.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/DynVarBars.h"
#include "ui/widgets/PictureView.h"

namespace zeph {

namespace {

void ShowSlider(QScrollBar* bar, const SliderState& s)
{
    const QSignalBlocker quiet(bar);
    bar->setRange(s.minimum, s.maximum);
    bar->setSingleStep(s.singleStep);
    bar->setPageStep(s.pageStep);
    bar->setValue(s.value);
}

// An option's menu item names what its next click does.
QString Caption(bool on, const char* whileOn, const char* whileOff)
{
    return QString::fromLatin1(on ? whileOn : whileOff);
}

}  // namespace

void MainWindow::Refresh(Session::Changes what)
{
    if (what & (Session::Run | Session::Step)) RefreshRunAndStep();
    if (what & Session::Gear) RefreshGear();
    if (what & (Session::View | Session::Display)) RefreshView();
    if (what & Session::Display) RefreshDisplay();
    if (what & (Session::Display | Session::DynVars | Session::UndoStore)) {
        dynVars_->Refresh();
        RefreshUndoButton();
    }
}

void MainWindow::RefreshRunAndStep()
{
    const ControlState& c = session_.controls();
    runButton_->setText(c.running ? "Stop" : "Run");
    ShowSlider(driverAngleBar_, c.driverBar);
    driverAngleBar_->setEnabled(c.driverBarEnabled);
    zeroButton_->setEnabled(c.zeroEnabled);
    halfTurnButton_->setEnabled(c.halfTurnEnabled);
    ShowSlider(stepAngleBar_, c.stepBar);
    step1Button_->setEnabled(c.step1Enabled);
    step10Button_->setEnabled(c.step10Enabled);
    step45Button_->setEnabled(c.step45Enabled);
}

void MainWindow::RefreshGear()
{
    const ControlState& c = session_.controls();
    ShowSlider(reverseArmBar_, c.revArmBar);
    centreButton_->setEnabled(c.centreEnabled);
    forwardButton_->setEnabled(c.forwardEnabled);
    reverseButton_->setEnabled(c.reverseEnabled);
}

void MainWindow::RefreshView()
{
    const ControlState& c = session_.controls();
    const MechanismModel& m = session_.model();
    normButton_->setEnabled(c.normEnabled);
    presetButtons_[0]->setEnabled(!c.presetArmed);
    refPoint1Button_->setEnabled(m.RefPointsOn);
    refPoint2Button_->setEnabled(m.RefPointsOn);
    for (size_t i = 0; i < refZeroButtons_.size(); ++i) refZeroButtons_[i]->setEnabled(c.refZeroEnabled[i]);
}

// What the screen data, the reference points, the dynamic variables and the pivot data show.
void MainWindow::RefreshDisplay()
{
    const ControlState& c = session_.controls();
    const MechanismModel& m = session_.model();
    const bool on = m.ScreenDataOn;

    steamAction_->setText(Caption(m.SteamDisplayOn, "SetS&teamDisp Off", "SetS&teamDisp On"));
    errorBeepAction_->setText(Caption(m.ErrorBeepOn, "Set&ErrorBeep Off", "Set&ErrorBeep On"));
    lineWidthAction_->setText(Caption(m.LineWidth == 2, "Set&LineWidth 1", "Set&LineWidth 2"));
    largeFontAction_->setText(Caption(c.largeFont, "SetSmall&Font", "SetLarge&Font"));
    screenDataAction_->setText(Caption(on, "SetScree&nData Off", "SetScree&nData On"));
    panZoomAction_->setText(Caption(c.panZoomShown, "SetP&anZoom Off", "SetP&anZoom On"));
    fastTimerAction_->setText(Caption(c.fastTimer, "SetFastTi&mer Off", "SetFastTi&mer On"));
    RefreshTimer();
    FitClientToFont();
    PlaceTextScaledControls();
    panZoomAction_->setEnabled(!on);

    for (size_t i : {1, 2, 3, 4, 9, 10, 12}) panels_[i]->setVisible(on);
    for (size_t i : {5, 6, 11}) panels_[i]->setVisible(on && m.RefPointsOn);
    for (size_t i : {7, 8}) panels_[i]->setVisible(on && m.DynVarOn);
    QList<QWidget*> strip = {normButton_,     refPoint1Button_, refPoint2Button_, reverseButton_, centreButton_,
                             forwardButton_,  halfTurnButton_,  runButton_,       zeroButton_,    step1Button_,
                             step10Button_,   step45Button_,    reverseArmBar_,   driverAngleBar_, stepAngleBar_,
                             toolBar_};
    for (QPushButton* p : presetButtons_) strip.append(p);
    for (QWidget* w : strip) w->setVisible(on);
    for (QScrollBar* bar : {panVerticalBar_, panHorizontalBar_, zoomBar_}) bar->setVisible(on || c.panZoomShown);
    for (QScrollBar* bar : refBars_) bar->setVisible(m.RefPointsOn);
    for (QPushButton* b : refZeroButtons_) b->setVisible(m.RefPointsOn);
    dataTableButton_->setVisible(m.PivotDataOn);

    for (QAction* a : {driverAngleAction_, midGearAction_, dynVarsAction_, refPointsAction_, undoAction_, pivotDataAction_})
        a->setEnabled(on);
    refPointsDialogAction_->setVisible(on);
    drawLinesAction_->setEnabled(on && m.RefPointsOn);
    toolButtons_[23]->setEnabled(on && m.RefPointsOn);
}

// About 62 ticks a second, the pace the step buttons are sized for; or as fast as the platform
// delivers, for measuring cut-offs at fine steps quickly.
void MainWindow::RefreshTimer()
{
    if (tickTimer_) tickTimer_->setInterval(session_.controls().fastTimer ? FastTickMs : NormalTickMs);
}

void MainWindow::FitClientToFont()
{
    const bool large = session_.controls().largeFont;
    if (large == largeFontShown_) return;
    largeFontShown_ = large;
    const QSize normal(ClientWidth, ClientHeight);
    const QSize grown(RoundInt(ClientWidth * Real(session_.model().TextScaleX)), ClientHeight);
    const QSize target = large ? grown.expandedTo(picture_->size()) : clientBeforeLargeFont_.expandedTo(normal);
    if (large) clientBeforeLargeFont_ = picture_->size();
    picture_->setMinimumSize(large ? grown : normal);
    // The window's own minimum follows at once, so that it may shrink in the same step.
    if (layout()) layout()->activate();
    resize(size() + target - picture_->size());
}

void MainWindow::PlaceTextScaledControls()
{
    const MechanismModel& m = session_.model();
    const int barsEnd = ViewBarLabelsLeft(m) - 2;
    for (QScrollBar* bar : {panVerticalBar_, panHorizontalBar_, zoomBar_})
        bar->setGeometry(bar->x(), bar->y(), barsEnd - bar->x(), bar->height());
    dataTableButton_->move(DataTableButtonPlace(m));
}

void MainWindow::RefreshUndoButton()
{
    const MechanismModel& m = session_.model();
    const bool shown = UndoButtonShown(m);
    if (shown) undoButton_->move(undoButton_->x(), UndoButtonTop(m));
    undoButton_->setVisible(shown);
}

}  // namespace zeph
