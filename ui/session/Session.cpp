// The commands every window uses on the one model, the state of the main window's controls, and change signals.
#include "ui/session/Session.h"

#include <QStringList>
#include <cmath>
#include <limits>
#include <utility>

#include "model/AnimationTick.h"
#include "model/DiagramPositions.h"
#include "model/DimensionTable.h"
#include "model/Guards.h"
#include "model/LineOverlay.h"
#include "model/PivotData.h"
#include "model/PointerSimulation.h"
#include "model/ViewTransform.h"
#include "platform/Clock.h"
#include "platform/NumberReading.h"
#include "platform/SoundSink.h"
#include "render/PivotDataPainter.h"

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

// A self-centring bar: what a position is worth, and its range and steps.
struct BarScale {
    Real divisor;
    BarRange range;
};

BarScale ScaleOf(ViewBar bar)
{
    const bool pan = bar == ViewBar::PanVertical || bar == ViewBar::PanHorizontal || bar == ViewBar::Zoom;
    return {pan ? Real(10) : Real(1000), RangeOf(bar)};
}

// The dynamic-variable bars: a thousandth per position.
constexpr BarScale DynVarBarScale{1000, DynVarBarRange};

// Runs a self-centring bar's change for a move to `position` and then once more for its
// spring back to 0, as the bar itself raises it: `apply` gets each pass's step.
template <typename Apply>
void SelfCentre(MechanismModel& m, BarHistory& h, const BarScale& scale, int position, Apply apply)
{
    const int p = std::clamp(position, scale.range.minimum, scale.range.maximum);
    if (p == 0) return;  // a bar resting at 0 raises no change
    for (int pass : {p, 0}) {
        const Real step = BarStep(pass, h.last, h.secondLast, scale.divisor, scale.range.small, scale.range.large);
        m.DynVarStep = static_cast<float>(step);
        apply(step);
        h.secondLast = h.last;
        h.last = pass;
    }
}

}  // namespace

Session::Session(MechanismModel& model, SoundSink& sound, QObject* parent) : QObject(parent), m(model), sound_(sound)
{
    m.StartUp();
    sound_.SetWaveVolume(HalfVolume);
    c_.revArmBar.minimum = m.RevArmBarMin;
    c_.revArmBar.maximum = m.RevArmBarMax;
}

// ---- the animation -----------------------------------------------------------------------

void Session::Tick()
{
    Events(SimulateTick(m));
    emit ticked();
}

void Session::FigureNotShown() { RaiseMechanismError(m); }

void Session::Events(const TickEvents& e)
{
    for (int i = 0; i < e.soundCount; ++i) {
        const SoundRequest& r = e.sounds[static_cast<size_t>(i)];
        switch (r.kind) {
        case SoundRequest::SetVolume: sound_.SetWaveVolume(r.volume); break;
        case SoundRequest::Play: sound_.PlayAsync(QString::fromLatin1(r.file)); break;
        case SoundRequest::Beep: sound_.Beep(); break;
        }
    }
    if (e.errorIconVisible && *e.errorIconVisible != c_.errorIconShown) {
        c_.errorIconShown = *e.errorIconVisible;
        emit errorIconChanged(c_.errorIconShown);
    }
    // The pointer's dialog closes and the hourglass shows as it begins; when it ends, the dialog
    // comes back and then the hourglass goes.
    if (e.closeDialog != TickEvents::Dialog::None) emit pointerDialogClosing(e.closeDialog == TickEvents::Dialog::Frame);
    if (e.busyCursor == true) emit busyCursorChanged(true);
    if (e.reopenDialog != TickEvents::Dialog::None)
        emit pointerDialogReopening(e.reopenDialog == TickEvents::Dialog::Frame);
    if (e.busyCursor == false) emit busyCursorChanged(false);
}

void Session::MainWindowActivated()
{
    c_.driverBarEnabled = false;
    Emit(Run);
}

void Session::PicturePressed(bool leftButton, int x, int y)
{
    PicturePressed(leftButton ? PressButton::Left : PressButton::Right, x, y);
}

void Session::PauseAnimation(bool paused)
{
    c_.animationPaused = paused;
    emit animationPausedChanged(paused);
}

// ---- run, driver angle and step ------------------------------------------------------------

void Session::SetDriverBarValue(int value)
{
    if (c_.driverBar.SetValue(value)) OnDriverBarChanged();
}

void Session::OnDriverBarChanged()
{
    m.DriverAngle = static_cast<float>(c_.driverBar.value / 100.0L);
    c_.halfTurnEnabled = true;
    c_.zeroEnabled = true;
}

void Session::ToggleRun()
{
    if (c_.running) {
        SetDriverBarValue(RoundInt(Real(m.DriverAngle) * 100));
        m.StepAngle = 0;
        c_.driverBarEnabled = true;
        c_.running = false;
    } else {
        m.StepAngle = m.ChosenStepAngle;
        c_.driverBarEnabled = false;
        c_.running = true;
    }
    c_.zeroEnabled = true;
    c_.halfTurnEnabled = true;
    Emit(Run);
}

void Session::MoveDriverBar(int position)
{
    SetDriverBarValue(position);
    Emit(Run);
}

// Stops the driver at an angle; the button for that angle is disabled, the other enabled.
void Session::Stop(float angle)
{
    m.DriverAngle = angle;
    SetDriverBarValue(RoundInt(Real(angle) * 100));
    m.StepAngle = 0;
    c_.driverBarEnabled = true;
    c_.running = false;
    c_.zeroEnabled = angle != 0;
    c_.halfTurnEnabled = angle == 0;
    Emit(Run);
}

void Session::StopAtZero() { Stop(0); }
void Session::StopAtHalfTurn() { Stop(180); }

void Session::SetStepButtons()
{
    c_.step10Enabled = m.ChosenStepAngle != 10.0f;
    c_.step45Enabled = m.ChosenStepAngle != 45.0f;
    c_.step1Enabled = m.ChosenStepAngle != 1.0f;
}

void Session::SetStepBarValue(int value)
{
    if (c_.stepBar.SetValue(value)) OnStepBarChanged();
}

void Session::OnStepBarChanged()
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

void Session::ChooseStep(float step)
{
    if (step == 1.0f) c_.step1Enabled = false;
    if (step == 10.0f) c_.step10Enabled = false;
    if (step == 45.0f) c_.step45Enabled = false;
    m.ChosenStepAngle = step;
    if (c_.running) m.StepAngle = m.ChosenStepAngle;
    SetStepBarValue(step == 1.0f ? 8000 : step == 10.0f ? 12000 : StepBarRange.maximum);
    Emit(Step | Run);
}

void Session::MoveStepBar(int position)
{
    SetStepBarValue(position);
    Emit(Step | Run);
}

void Session::SetDriverAngle(double angle)
{
    // Stop the driver first, wherever it is.
    c_.running = true;
    ToggleRun();
    angle = std::clamp(angle, 0.0, 360.0);
    m.DriverAngle = static_cast<float>(angle);
    SetDriverBarValue(RoundInt(Real(angle) * 100));
    m.StepAngle = 0;
    c_.driverBarEnabled = true;
    Emit(Run);
}

void Session::SetStepAngle(double step)
{
    c_.skipStepSnap = true;
    m.ChosenStepAngle = static_cast<float>(std::clamp(step, 0.01, 45.0));
    // Apply the step without changing the run state: flip it, then let the run toggle flip it back.
    c_.running = !c_.running;
    ToggleRun();
    const int position = RoundInt(4000 * std::log10(100 * Real(m.ChosenStepAngle)));
    if (c_.stepBar.value != position)
        SetStepBarValue(position);
    // A bar that does not move raises no change, which would leave the one-shot flag armed.
    if (c_.skipStepSnap) OnStepBarChanged();
    c_.driverBar.singleStep = RoundInt(100 * Real(m.ChosenStepAngle));
    c_.driverBar.pageStep = RoundInt(500 * Real(m.ChosenStepAngle));
    Emit(Step | Run);
}

// ---- gear --------------------------------------------------------------------------------

void Session::EmptyCutoffTexts()
{
    m.FrontCutoffText.clear();
    m.RearCutoffText.clear();
}

void Session::SetGearButtons()
{
    const Real centre = m.RevArmCentre, norm = m.Frame.RevArmNorm;
    const float pos = m.RevArmPosition;
    c_.forwardEnabled = static_cast<float>(centre + norm) != pos;
    c_.reverseEnabled = static_cast<float>(centre - norm) != pos;
}

void Session::SetReverseArmBarValue(int value)
{
    if (c_.revArmBar.SetValue(value)) OnReverseArmBarChanged();
}

void Session::OnReverseArmBarChanged()
{
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) + c_.revArmBar.value / 1000.0L);
    m.Direction = (m.RevArmCentre <= m.RevArmPosition) ? RunDirection::Forward : RunDirection::Reverse;
    c_.centreEnabled = c_.revArmBar.value != 0;
    SetGearButtons();
    EmptyCutoffTexts();
}

void Session::SetReverseArmBarRange()
{
    const Real max = m.Frame.RevArmMax;
    if (c_.revArmBar.SetMaximum(RoundInt(max * 1000))) OnReverseArmBarChanged();
    if (c_.revArmBar.SetMinimum(RoundInt(max * -1000))) OnReverseArmBarChanged();
}

void Session::MoveReverseArmBar(int position)
{
    SetReverseArmBarValue(position);
    Emit(Gear);
}

void Session::CentreReverseArm()
{
    SetReverseArmBarValue(0);
    m.RevArmPosition = m.RevArmCentre;
    c_.forwardEnabled = true;
    c_.reverseEnabled = true;
    c_.centreEnabled = false;
    EmptyCutoffTexts();
    Emit(Gear);
}

void Session::NormalForward()
{
    const Real norm = m.Frame.RevArmNorm;
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) + norm);
    SetReverseArmBarValue(RoundInt(norm * c_.revArmBar.maximum / m.Frame.RevArmMax));
    c_.forwardEnabled = false;
    c_.reverseEnabled = true;
    c_.centreEnabled = true;
    EmptyCutoffTexts();
    Emit(Gear);
}

void Session::NormalReverse()
{
    const Real norm = m.Frame.RevArmNorm;
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) - norm);
    SetReverseArmBarValue(RoundInt(norm * c_.revArmBar.minimum / m.Frame.RevArmMax));
    c_.reverseEnabled = false;
    c_.forwardEnabled = true;
    c_.centreEnabled = true;
    EmptyCutoffTexts();
    Emit(Gear);
}

void Session::CalcMidGearAndCentre()
{
    m.CalcMidGear();
    CentreReverseArm();
    Emit(Dimensions);
}

void Session::SetReverseArm(double position)
{
    const Real c = m.RevArmCentre, x = m.Frame.RevArmMax;
    Real v = position;
    if (v < c - x) v = c - x;
    if (v > c + x) v = c + x;
    if (!std::isfinite(v)) return;  // limits that are not numbers leave the arm where it is
    m.RevArmPosition = static_cast<float>(v);
    SetReverseArmBarValue(RoundInt((v - c) * 1000));
    Emit(Gear);
}

// ---- options -----------------------------------------------------------------------------

void Session::ToggleSteamDisplay()
{
    m.SteamDisplayOn = !m.SteamDisplayOn;
    Emit(Display);
}

void Session::ToggleErrorBeep()
{
    m.ErrorBeepOn = !m.ErrorBeepOn;
    Emit(Display);
}

void Session::ToggleLineWidth()
{
    m.LineWidth = (m.LineWidth == 1) ? 2 : 1;
    Emit(Display);
}

void Session::ToggleLargeFont()
{
    c_.largeFont = !c_.largeFont;
    Emit(Display);
}

// Off hides the readouts and most controls and switches off what they show; the warning icon
// goes with the readouts. On shows the strip again with the pan and zoom bars in their place.
void Session::ToggleScreenData()
{
    m.ScreenDataOn = !m.ScreenDataOn;
    if (m.ScreenDataOn) {
        c_.panZoomShown = false;
    } else {
        m.DynVarOn = m.RefPointsOn = m.UndoOn = m.PivotDataOn = false;
        if (c_.errorIconShown) {
            c_.errorIconShown = false;
            emit errorIconChanged(false);
        }
    }
    Emit(Display | View | DynVars | UndoStore);
}

void Session::ToggleFastTimer()
{
    c_.fastTimer = !c_.fastTimer;
    Emit(Display);
}

void Session::TogglePanZoomBars()
{
    c_.panZoomShown = !c_.panZoomShown;
    Emit(Display);
}

void Session::ToggleDynVarDisplay()
{
    m.DynVarOn = !m.DynVarOn;
    Emit(Display | DynVars);
}

void Session::ToggleUndoDisplay()
{
    m.UndoOn = !m.UndoOn;
    Emit(Display | UndoStore);
}

// ---- view and reference points -------------------------------------------------------------

void Session::ApplyViewBarStep(ViewBar bar, Real d)
{
    auto moveRef = [this, d](int pivot, bool isX, int zero) {
        float& v = isX ? m.Pivots[pivot].x : m.Pivots[pivot].y;
        v = static_cast<float>(v + d);
        c_.refZeroEnabled[static_cast<size_t>(zero)] = true;
    };
    switch (bar) {
    case ViewBar::PanVertical: m.ViewPanY = static_cast<float>(m.ViewPanY - d); break;
    case ViewBar::PanHorizontal: m.ViewPanX = static_cast<float>(m.ViewPanX + d); break;
    case ViewBar::Zoom: ApplyZoomStep(m, d); break;
    case ViewBar::Ref1Vertical: moveRef(RefPoint1, false, 0); return;
    case ViewBar::Ref1Horizontal: moveRef(RefPoint1, true, 0); return;
    case ViewBar::Ref2Vertical: moveRef(RefPoint2, false, 1); return;
    case ViewBar::Ref2Horizontal: moveRef(RefPoint2, true, 1); return;
    }
    c_.normEnabled = true;
}

void Session::MoveViewBar(ViewBar bar, int position)
{
    BarHistory& history = viewBarHistories_[static_cast<size_t>(bar)];
    SelfCentre(m, history, ScaleOf(bar), position, [this, bar](Real step) { ApplyViewBarStep(bar, step); });
    Emit(View);
}

void Session::NormView()
{
    m.SavedZoom = m.ViewScale;
    m.SavedPanX = m.ViewPanX;
    m.SavedPanY = m.ViewPanY;
    SetView(m, m.HomeView);
    c_.normEnabled = false;
    c_.presetArmed = false;
    Emit(View);
}

void Session::ArmPreset()
{
    m.ViewPresets[0] = CurrentView(m);
    c_.presetArmed = true;
    c_.normEnabled = true;
    Emit(View);
}

void Session::RecallPreset(int n)
{
    if (n < 1 || n >= PresetCount) return;
    if (c_.presetArmed) m.ViewPresets[static_cast<size_t>(n)] = m.ViewPresets[0];
    SetView(m, m.ViewPresets[static_cast<size_t>(n)]);
    c_.normEnabled = true;
    c_.presetArmed = false;
    Emit(View);
}

// Puts a reference point at pixel (320, 240), then nudges the pan bars by the amount the home
// view implies, which pans once more by their own rule.
void Session::CentreOnReferencePoint(int point)
{
    const Pivot& p = m.Pivots[point == 1 ? RefPoint1 : RefPoint2];
    const Real x = p.x, y = p.y;
    m.ViewPanX = static_cast<float>(320 - x * m.ViewScale);
    m.ViewPanY = static_cast<float>(y * m.ViewScale + 240);
    const Real h = m.HomeView.scale, hx = m.HomeView.panX, hy = m.HomeView.panY;
    MoveViewBar(ViewBar::PanHorizontal, RoundInt(((Real(m.ViewPanX) - 320) * h / m.ViewScale + 320 - hx) * 100 / (-hx)));
    MoveViewBar(ViewBar::PanVertical, RoundInt(((Real(m.ViewPanY) - 240) * h / m.ViewScale + 240 - hy) * 200 / hy));
    Emit(View);
}

void Session::ZeroReferencePoint(int point)
{
    Pivot& p = m.Pivots[point == 1 ? RefPoint1 : RefPoint2];
    p.x = p.y = 0;
    c_.refZeroEnabled[point == 1 ? 0 : 1] = false;
    Emit(View);
}

void Session::ToggleReferencePoints()
{
    m.RefPointsOn = !m.RefPointsOn;
    if (!m.RefPointsOn) m.PivotDataOn = false;
    Emit(View | Display);
}

// Sets the reference points' switch to the opposite of `on` and runs its toggle.
void Session::SetReferencePointsOn(bool on)
{
    m.RefPointsOn = !on;
    ToggleReferencePoints();
}

void Session::SetReferencePoints(float y1, float x1, float y2, float x2)
{
    Pivot& p1 = m.Pivots[RefPoint1];
    Pivot& p2 = m.Pivots[RefPoint2];
    p1.y = y1;
    p1.x = x1;
    p2.y = y2;
    p2.x = x2;
    if (p1.y != 0 || p1.x != 0) c_.refZeroEnabled[0] = true;
    if (p2.y != 0 || p2.x != 0) c_.refZeroEnabled[1] = true;
    SetReferencePointsOn(true);
}

void Session::CancelReferencePoints()
{
    SetReferencePointsOn(false);
}

void Session::ZeroReferencePoints()
{
    for (int i : {int(RefPoint1), int(RefPoint2)}) m.Pivots[i].x = m.Pivots[i].y = 0;
    c_.refZeroEnabled = {false, false};
    CancelReferencePoints();
}

// ---- dimensions ----------------------------------------------------------------------------

UndoButtonsSink Session::UndoSink()
{
    return [this](bool enabled) { c_.undoEnabled = enabled; };
}

void Session::MarkDimensionTyped()
{
    m.DimEditTyped = true;
}

void Session::LeaveDimensionBox(int code, float value)
{
    const DimensionInfo* d = FindDimension(code);
    if (!d) return;
    if (!d->IsGray()) {
        LeaveWhiteRow(code, value);
        Emit(Dimensions | Gear);
        return;
    }
    const bool typed = m.DimEditTyped;
    if (typed) {
        PushUndo(m, UndoSink());
        m.UndoStack[1].code = code;
        m.UndoStack[1].oldValue = GetDimension(m, *d);
    }
    // The pivot copies and the valve centre-line height follow the dimension.
    SetDimension(m, *d, value);
    m.DynVarSlots[0] = {static_cast<uint32_t>(code), value, d->shortName};
    RegisterDynVar(m);
    if (typed) {
        m.UndoStack[1].newValue = value;
        m.UndoStack[1].name = d->shortName;
    }
    m.DimEditTyped = false;
    Emit(Dimensions | DynVars | UndoStore);
}

void Session::ClampDiagramPositions()
{
    const Real c = m.DiagramRevArmPos[0], n = m.Frame.RevArmNorm;
    const float low = static_cast<float>(c - n), high = static_cast<float>(c + n);
    for (int i = 1; i < DiagramRevArmEntries; ++i) {
        float& p = m.DiagramRevArmPos[static_cast<size_t>(i)];
        if (p == 0.0f) continue;  // not in use
        if (p < low) p = low;
        if (p > high) p = high;
    }
}

// Row 25 is a plain value; rows 26 and 27 limit each other (normal travel never beyond the
// maximum) and row 27 also sets the range of the main window's reverse-arm bar.
void Session::LeaveWhiteRow(int row, float value)
{
    FrameDims& f = m.Frame;
    if (row == 25) {
        f.OffsetAngle = value;
    } else if (row == 26) {
        f.RevArmNorm = value;
        if (f.RevArmNorm > f.RevArmMax) {
            f.RevArmNorm = f.RevArmMax;
            ClampDiagramPositions();
        }
    } else if (row == 27) {
        f.RevArmMax = value;
        if (f.RevArmMax < f.RevArmNorm) {
            f.RevArmMax = f.RevArmNorm;
            ClampDiagramPositions();
        }
        SetReverseArmBarRange();
    }
}

void Session::CloseDimensionDialog()
{
    m.CalcMidGear();
    // The bar's change handling takes the new mid gear even when the bar already stands at 0.
    if (c_.revArmBar.value == 0)
        OnReverseArmBarChanged();
    else
        SetReverseArmBarValue(0);
    EmptyCutoffTexts();
    Emit(Dimensions | Gear);
}

void Session::ResetFrameDimensions(bool clearUndo)
{
    m.ResetFrameDims();
    SetReverseArmBarRange();
    ClearDynVars(m);
    if (clearUndo) ClearUndo(m, UndoSink());
    Emit(Dimensions | DynVars | UndoStore | Gear);
}

void Session::ResetCylinderDimensions(bool clearUndo)
{
    m.ResetCylDims();
    ClearDynVars(m);
    if (clearUndo) ClearUndo(m, UndoSink());
    Emit(Dimensions | DynVars | UndoStore);
}

void Session::ResetAllDimensions()
{
    ResetFrameDimensions(true);
    ResetCylinderDimensions(true);
    m.CalcMidGear();
    CentreReverseArm();
    NormView();
    m.DimSetName = "Nominal";
    m.DiagramVScale = 1.5f;
    m.DynVarOn = false;
    m.UndoOn = false;
    Emit(All);
}

void Session::ShowDimensionPointer(int code)
{
    m.GraphicDimCode = code;
}

void Session::SetGraphicZoom(double zoom)
{
    m.GraphicPosZoom = static_cast<float>(std::clamp(zoom, 0.5, 2000.0));
}

// ---- diagrams ------------------------------------------------------------------------------

void Session::LeaveDiagramPositionBox(int box, double value)
{
    constexpr double FloatMax = std::numeric_limits<float>::max();
    // Beyond the 32-bit range is beyond either end of the range too: the clamp takes it there.
    if (StoreTypedPosition(m, box, std::clamp(value, -FloatMax, FloatMax))) Emit(Dimensions);
}

void Session::LeaveDiagramScaleBox(double value)
{
    constexpr double Huge = std::numeric_limits<double>::max();
    // A number of any size beyond the scale's limits is taken as the limit.
    if (StoreTypedVScale(m, std::clamp(value, -Huge, Huge))) Emit(Dimensions);
}

int Session::TidyDiagramPositionList()
{
    const int count = TidyDiagramPositions(m);
    Emit(Dimensions);
    return count;
}

void Session::DiagramPositionsClosed()
{
    m.DiagramRedrawPending = true;
}

bool Session::TakeDiagramRedrawPending()
{
    return std::exchange(m.DiagramRedrawPending, false);
}

DiagramData Session::ComputeDiagram(DiagramKind kind, PortsMode portsMode)
{
    DiagramData data = zeph::ComputeDiagram(m, kind, portsMode);
    Emit(Dimensions);  // the last plotted position, which the design file keeps
    return data;
}

// ---- dynamic variables and undo ------------------------------------------------------------

void Session::MoveDynVarBar(int slot, int position)
{
    if (slot < 1 || slot > 4) return;
    SelfCentre(m, m.BarHistories[static_cast<size_t>(slot)], DynVarBarScale, position, [this, slot](Real) {
        m.DynVarSlotIndex = slot;
        ApplyDynVarStep(m);
    });
    Emit(Dimensions | DynVars);
}

void Session::EnterDynVarBar(int slot)
{
    if (slot < 1 || slot > 4) return;
    m.ScrollStartValue = m.DynVarSlots[static_cast<size_t>(slot)].value;
}

void Session::EndDynVarScroll(int slot)
{
    if (slot < 1 || slot > 4) return;
    const DynVarSlot& s = m.DynVarSlots[static_cast<size_t>(slot)];
    if (s.value == m.ScrollStartValue) return;
    c_.undoEnabled = true;
    m.DimEditTyped = true;
    PushUndo(m, UndoSink());
    m.UndoStack[1] = {static_cast<int32_t>(s.code), m.ScrollStartValue, s.value, s.name};
    m.DimEditTyped = false;
    Emit(UndoStore);
}

void Session::Undo()
{
    if (m.UndoStack[1].code > 0)
        UndoLast(m, UndoSink());
    else
        c_.undoEnabled = false;
    Emit(UndoStore | Dimensions | DynVars);
}

// ---- picture presses, pivot data and the lines overlay -------------------------------------

void Session::PicturePressed(PressButton button, int x, int y)
{
    const bool left = button == PressButton::Left, right = button == PressButton::Right;
    // Below the control strip, or right of the reference-point controls.
    const bool inPicture = y > 120 || (y >= 68 && x > 247);
    if (m.RefPointsOn && inPicture && (left || right)) {
        const ModelPoint p = PressPoint(m, x, y);
        Pivot& ref = m.Pivots[left ? RefPoint1 : RefPoint2];
        ref.x = p.x;
        ref.y = p.y;
        c_.refZeroEnabled[left ? 0 : 1] = true;
        Emit(View);
    }
    // A press on the pivot of a line waiting for one brings the lines dialog back; a line
    // waiting for two comes back with the right press that follows a left one.
    if (m.RefPointsOn && left && LinesAwaitOnePivot(m)) OpenLinesDialog(true);
    PivotDataState& d = m.PivotData;
    if (left) d.LeftPressedForLines = true;
    if (m.RefPointsOn && right && LinesAwaitTwoPivots(m) && d.LeftPressedForLines) {
        d.LeftPressedForLines = false;
        OpenLinesDialog(false);
    }
    if (m.PivotDataOn && d.AwaitingPivot && m.RefPointsOn && left) PickSlotPivot(m, PressPoint(m, x, y));
    if (m.PivotDataOn && !d.AwaitingPivot && m.RefPointsOn && left) {
        if (const int slot = PivotSlotRowAt(TextScaleFor(c_.largeFont), x, y)) ChooseSlot(m, slot);
    }
    CancelPointer(m);
    Emit(View | Overlay);
}

void Session::TogglePivotData()
{
    m.PivotDataOn = !m.PivotDataOn;
    if (m.PivotDataOn && !m.RefPointsOn) ToggleReferencePoints();
    Emit(Display | View);
}

QString Session::PivotDataTableText()
{
    QStringList lines;
    for (const std::string& line : PivotDataTable(m, ShortDateText().toStdString(), LongTimeText().toStdString()))
        lines.append(QString::fromStdString(line));
    return lines.join(u'\n');
}

void Session::OpenLinesDialog(bool beepAtOrigin)
{
    const Pivot& r1 = m.Pivots[RefPoint1];
    const Pivot& r2 = m.Pivots[RefPoint2];
    if (beepAtOrigin && r1.x == 0 && r1.y == 0 && r2.x == 0 && r2.y == 0) sound_.Beep();
    emit linesDialogRequested();
}

void Session::RequestLinesDialog()
{
    OpenLinesDialog(true);
}

void Session::LineCommandDone(bool beep, bool closeDialog)
{
    if (beep) sound_.Beep();
    Emit(Overlay);
    if (closeDialog) emit linesDialogClosing();
}

void Session::LinesDialogActivated()
{
    ActivateLinesDialog(m);
    Emit(Overlay);
}

void Session::ChooseLineType(int type)
{
    const LineCommandResult r = zeph::ChooseLineType(m, type);
    LineCommandDone(r.beep, r.closeDialog);
}

void Session::ChooseLineColour(int colour)
{
    const LineCommandResult r = zeph::ChooseLineColour(m, colour);
    LineCommandDone(r.beep, r.closeDialog);
}

void Session::ChooseLineReference(int mode)
{
    const LineCommandResult r = zeph::ChooseLineReference(m, mode);
    LineCommandDone(r.beep, r.closeDialog);
}

void Session::DrawLineAndClose()
{
    const LineCommandResult r = zeph::DrawLineAndClose(m);
    LineCommandDone(r.beep, r.closeDialog);
}

void Session::CloseLinesDialog()
{
    const LineCommandResult r = zeph::CloseLinesDialog(m);
    LineCommandDone(r.beep, r.closeDialog);
}

void Session::ClearLine()
{
    zeph::ClearLine(m);
    Emit(Overlay);
}

void Session::SelectLineRow(int row)
{
    zeph::SelectLineRow(m, row);
    Emit(Overlay);
}

void Session::LeaveLineBox(int row, int box, const QString& text)
{
    const float value = ReadNumberF(text, LineBoxValue(m, row, box));
    StoreLineBox(m, row, box, text.toStdString(), value);
    Emit(Overlay);
}

void Session::RefillLineRows()
{
    zeph::RefillLineRows(m);
    Emit(Overlay);
}

}  // namespace zeph
