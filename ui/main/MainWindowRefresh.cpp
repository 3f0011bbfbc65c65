// The main window's widgets brought in line with the session's state after each change.
#include <QLayout>
#include <QSignalBlocker>

#include "model/linkage/ViewTransform.h"
#include "render/scene/PivotDataPainter.h"
#include "render/scene/ReadoutPainter.h"
#include "ui/main/CommandTable.h"
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

}  // namespace

void MainWindow::Refresh(Changes what)
{
    if (what & (Change::Run | Change::Step)) RefreshRunAndStep();
    if (what & Change::Gear) RefreshGear();
    if (what & (Change::View | Change::Display)) RefreshView();
    if (what & Change::Display) RefreshDisplay();
    if (what & (Change::Display | Change::DynVars | Change::UndoStore)) {
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

    RefreshCommands();
    RefreshTimer();
    FitClientToFont();
    PlaceTextScaledControls();

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
}

// The menu items' captions and enabled states as the command table gives them. A tool button
// follows its item, so that the lines button greys with "&DrawLinesCircles"; the others are
// hidden with the tool bar whenever their items are disabled.
void MainWindow::RefreshCommands()
{
    for (const Command& command : Commands()) {
        QAction* item = Item(command.name);
        item->setText(CaptionOf(command, session_));
        if (!command.enabled) continue;
        const bool enabled = command.enabled(session_);
        if (command.hiddenWhenDisabled)
            item->setVisible(enabled);
        else
            item->setEnabled(enabled);
        if (const auto button = toolButtons_.find(command.name); button != toolButtons_.end())
            button->second->setEnabled(enabled);
    }
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
    const QSize grown(RoundInt(ClientWidth * Real(TextScaleFor(large).x)), ClientHeight);
    const QSize target = large ? grown.expandedTo(picture_->size()) : clientBeforeLargeFont_.expandedTo(normal);
    if (large) clientBeforeLargeFont_ = picture_->size();
    picture_->setMinimumSize(large ? grown : normal);
    // The window's own minimum follows at once, so that it may shrink in the same step.
    if (layout()) layout()->activate();
    resize(size() + target - picture_->size());
}

void MainWindow::PlaceTextScaledControls()
{
    const TextScale ts = TextScaleFor(session_.controls().largeFont);
    const int barsEnd = ViewBarLabelsLeft(ts) - 2;
    for (QScrollBar* bar : {panVerticalBar_, panHorizontalBar_, zoomBar_})
        bar->setGeometry(bar->x(), bar->y(), barsEnd - bar->x(), bar->height());
    dataTableButton_->move(DataTableButtonPlace(ts));
}

void MainWindow::RefreshUndoButton()
{
    const MechanismModel& m = session_.model();
    const bool shown = UndoButtonShown(m);
    if (shown) undoButton_->move(undoButton_->x(), UndoButtonTop(m, TextScaleFor(session_.controls().largeFont)));
    undoButton_->setVisible(shown);
}

}  // namespace zeph
