// Running the animation: the tick, run and stop, the driver-angle and step bars with the step snapping.
#include "ui/session/RunControl.h"

#include <QString>
#include <cmath>
#include <iterator>

#include "model/tick/AnimationTick.h"
#include "model/design/FrameLimits.h"
#include "model/linkage/Guards.h"
#include "model/design/MechanismModel.h"
#include "model/linkage/ViewTransform.h"
#include "platform/SoundSink.h"
#include "ui/session/Session.h"

namespace zeph {

namespace {

struct StepSnap {
    int upTo;          // last bar position of the band
    float step;        // degrees
    int small, large;  // driver-angle bar steps, hundredths of a degree
};

// The step bar's logarithmic scale snapped to the 1-2-3-5 series.
constexpr StepSnap kStepSnaps[] = {
    {704, 0.01f, 1, 5},         {1591, 0.02f, 2, 10},       {2408, 0.03f, 3, 15},       {3612, 0.05f, 5, 25},
    {4704, 0.1f, 10, 50},       {5591, 0.2f, 20, 100},      {6408, 0.3f, 30, 150},      {7612, 0.5f, 50, 250},
    {8704, 1.0f, 100, 500},     {9591, 2.0f, 200, 1000},    {10408, 3.0f, 300, 1500},   {11612, 5.0f, 500, 2500},
    {12704, 10.0f, 1000, 4500}, {13591, 20.0f, 2000, 4500}, {14408, 30.0f, 3000, 4500}, {StepBarRange.maximum, 45.0f, 4500, 4500},
};

const StepSnap& SnapFor(int position)
{
    for (const StepSnap& s : kStepSnaps)
        if (position <= s.upTo) return s;
    return kStepSnaps[std::size(kStepSnaps) - 1];
}

}  // namespace

// ---- the animation -----------------------------------------------------------------------

void RunControl::Tick()
{
    Events(SimulateTick(m));
    emit s_.ticked();
}

void RunControl::FigureNotShown() { RaiseMechanismError(m); }

void RunControl::Events(const TickEvents& e)
{
    SoundSink& sound = s_.sound();
    for (int i = 0; i < e.soundCount; ++i) {
        const SoundRequest& r = e.sounds[static_cast<size_t>(i)];
        switch (r.kind) {
        case SoundRequest::SetVolume: sound.SetWaveVolume(r.volume); break;
        case SoundRequest::Play: sound.PlayAsync(QString::fromLatin1(r.file)); break;
        case SoundRequest::Beep: sound.Beep(); break;
        }
    }
    if (e.errorIconVisible && *e.errorIconVisible != c_.errorIconShown) {
        c_.errorIconShown = *e.errorIconVisible;
        emit s_.errorIconChanged(c_.errorIconShown);
    }
    // The pointer's dialog closes and the hourglass shows as it begins; when it ends, the dialog
    // comes back and then the hourglass goes.
    if (e.closeDialog != TickEvents::Dialog::None)
        emit s_.pointerDialogClosing(e.closeDialog == TickEvents::Dialog::Frame);
    if (e.busyCursor == true) emit s_.busyCursorChanged(true);
    if (e.reopenDialog != TickEvents::Dialog::None)
        emit s_.pointerDialogReopening(e.reopenDialog == TickEvents::Dialog::Frame);
    if (e.busyCursor == false) emit s_.busyCursorChanged(false);
}

void RunControl::MainWindowActivated()
{
    c_.driverBarEnabled = false;
    Emit(Change::Run);
}

void RunControl::PauseAnimation(bool paused)
{
    c_.animationPaused = paused;
    emit s_.animationPausedChanged(paused);
}

// ---- run and the driver angle --------------------------------------------------------------

void RunControl::SetDriverBarValue(int value)
{
    if (c_.driverBar.SetValue(value)) OnDriverBarChanged();
}

void RunControl::OnDriverBarChanged()
{
    m.DriverAngle = static_cast<float>(c_.driverBar.value / 100.0L);
    c_.halfTurnEnabled = true;
    c_.zeroEnabled = true;
}

// Stopped: the bar takes the driver's angle and can be moved by hand.
void RunControl::Halt()
{
    SetDriverBarValue(RoundInt(Real(m.DriverAngle) * 100));
    m.StepAngle = 0;
    c_.driverBarEnabled = true;
    c_.running = false;
    c_.zeroEnabled = true;
    c_.halfTurnEnabled = true;
}

// Running: the driver turns by the chosen step and the bar is the animation's.
void RunControl::Resume()
{
    m.StepAngle = m.ChosenStepAngle;
    c_.driverBarEnabled = false;
    c_.running = true;
    c_.zeroEnabled = true;
    c_.halfTurnEnabled = true;
}

void RunControl::ToggleRun()
{
    if (c_.running)
        Halt();
    else
        Resume();
    Emit(Change::Run);
}

void RunControl::MoveDriverBar(int position)
{
    SetDriverBarValue(position);
    Emit(Change::Run);
}

// Stops the driver at an angle; the button for that angle is disabled, the other enabled.
void RunControl::Stop(float angle)
{
    m.DriverAngle = angle;
    SetDriverBarValue(RoundInt(Real(angle) * 100));
    m.StepAngle = 0;
    c_.driverBarEnabled = true;
    c_.running = false;
    c_.zeroEnabled = angle != 0;
    c_.halfTurnEnabled = angle == 0;
    Emit(Change::Run);
}

void RunControl::StopAtZero() { Stop(0); }
void RunControl::StopAtHalfTurn() { Stop(180); }

void RunControl::SetDriverAngle(double angle)
{
    Halt();  // the driver stops first, wherever it is
    angle = DriverAngleWithinTurn(angle);
    m.DriverAngle = static_cast<float>(angle);
    SetDriverBarValue(RoundInt(Real(angle) * 100));
    m.StepAngle = 0;
    c_.driverBarEnabled = true;
    Emit(Change::Run);
}

// ---- the step ----------------------------------------------------------------------------

void RunControl::SetStepButtons()
{
    c_.step10Enabled = m.ChosenStepAngle != 10.0f;
    c_.step45Enabled = m.ChosenStepAngle != 45.0f;
    c_.step1Enabled = m.ChosenStepAngle != 1.0f;
}

void RunControl::SetStepBarValue(int value)
{
    if (c_.stepBar.SetValue(value)) OnStepBarChanged();
}

void RunControl::OnStepBarChanged()
{
    if (c_.skipStepSnap) {
        c_.skipStepSnap = false;
    } else {
        const StepSnap& snap = SnapFor(c_.stepBar.value);
        m.ChosenStepAngle = snap.step;
        c_.driverBar.singleStep = snap.small;
        c_.driverBar.pageStep = snap.large;
        if (c_.running) m.StepAngle = m.ChosenStepAngle;
    }
    SetStepButtons();
}

void RunControl::ChooseStep(float step)
{
    if (step == 1.0f) c_.step1Enabled = false;
    if (step == 10.0f) c_.step10Enabled = false;
    if (step == 45.0f) c_.step45Enabled = false;
    m.ChosenStepAngle = step;
    if (c_.running) m.StepAngle = m.ChosenStepAngle;
    SetStepBarValue(step == 1.0f ? 8000 : step == 10.0f ? 12000 : StepBarRange.maximum);
    Emit(Change::Step | Change::Run);
}

void RunControl::MoveStepBar(int position)
{
    SetStepBarValue(position);
    Emit(Change::Step | Change::Run);
}

void RunControl::SetStepAngle(double step)
{
    c_.skipStepSnap = true;
    m.ChosenStepAngle = static_cast<float>(StepAngleWithinRange(step));
    // The run state is entered afresh so that it takes the new step.
    if (c_.running)
        Resume();
    else
        Halt();
    const int position = RoundInt(4000 * std::log10(100 * Real(m.ChosenStepAngle)));
    if (c_.stepBar.value != position)
        SetStepBarValue(position);
    // A bar that does not move raises no change, which would leave the one-shot flag armed.
    if (c_.skipStepSnap) OnStepBarChanged();
    c_.driverBar.singleStep = RoundInt(100 * Real(m.ChosenStepAngle));
    c_.driverBar.pageStep = RoundInt(500 * Real(m.ChosenStepAngle));
    Emit(Change::Step | Change::Run);
}

}  // namespace zeph
