// The commands every window uses on the one model, the state of the main window's controls, and change signals.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "model/DiagramData.h"
#include "model/DynVars.h"
#include "model/MechanismModel.h"
#include "model/TickEvents.h"
#include "platform/Files.h"
#include "ui/session/BarRanges.h"
#include "ui/session/SliderState.h"

namespace zeph {

class SoundSink;

// What the main window's controls show. The session owns it: windows read it to set their
// widgets and never keep state of their own in a widget or a caption.
struct ControlState {
    bool running = true;  // the "Run" button reads "Stop" while running

    SliderState driverBar = SliderOf(DriverBarRange, 1);
    bool driverBarEnabled = false;
    bool zeroEnabled = true;      // "0.0"
    bool halfTurnEnabled = true;  // "180"

    SliderState stepBar = SliderOf(StepBarRange, 12000);
    bool skipStepSnap = false;  // the step dialog's own move of the bar is not snapped
    bool step1Enabled = true, step10Enabled = false, step45Enabled = true;

    SliderState revArmBar = SliderOf(RevArmBarRange, 0);
    bool centreEnabled = false, forwardEnabled = true, reverseEnabled = true;

    bool normEnabled = false;
    bool presetArmed = false;  // "P" pressed: the next preset button stores the view
    std::array<bool, 2> refZeroEnabled{false, false};

    bool largeFont = false;
    bool panZoomShown = false;  // the pan and zoom bars shown while the screen data are off
    bool undoEnabled = false;   // every window's "UnDo" button
    bool errorIconShown = false;
    bool animationPaused = false;  // a diagram window has stopped the timer
    bool fastTimer = false;        // tick every millisecond instead of about 62 times a second
};

class Session : public QObject {
    Q_OBJECT
public:
    // What a change touched; windows refresh the widgets that show it.
    enum Change : unsigned {
        Run = 1u << 0,         // running, driver angle and its bar, "0.0", "180"
        Step = 1u << 1,        // step angle, step bar and buttons
        Gear = 1u << 2,        // reverse arm, its bar and buttons
        View = 1u << 3,        // view, presets, reference points and their controls
        Display = 1u << 4,     // options and the switches of what is shown
        Dimensions = 1u << 5,  // any dimension, mid gear, the diagram list
        DynVars = 1u << 6,     // the dynamic-variable slots
        UndoStore = 1u << 7,   // the undo store and the "UnDo" buttons
        Overlay = 1u << 8,     // the lines dialog's choices and rows, the pivot-data slots
        All = 0xFFFFu,
    };
    Q_DECLARE_FLAGS(Changes, Change)

    Session(MechanismModel& model, SoundSink& sound, QObject* parent = nullptr);

    const MechanismModel& model() const { return m; }
    const ControlState& controls() const { return c_; }
    SoundSink& sound() { return sound_; }

    // ---- the animation -------------------------------------------------------------------
    // One timer tick: the model's tick, its sounds played, its icon and pointer events signalled.
    void Tick();
    // The picture left a figure blank that it could not show: the warning follows from the next
    // tick, as for a linkage that cannot close (only while the error beep is on).
    void FigureNotShown();
    void MainWindowActivated();
    // A press on the picture (client pixels) by the left or the right button; see below.
    void PicturePressed(bool leftButton, int x, int y);
    // Diagram windows stop the animation while they are open.
    void PauseAnimation(bool paused);

    // ---- run, driver angle and step --------------------------------------------------------
    void ToggleRun();
    void MoveDriverBar(int position);
    void StopAtZero();
    void StopAtHalfTurn();
    void ChooseStep(float step);  // the 1.0, 10.0 and 45.0 buttons
    void MoveStepBar(int position);
    // The driver-angle dialog: stops the driver at the angle, kept within 0..360.
    void SetDriverAngle(double angle);
    // The step dialog: any step within 0.01..45 without snapping, the run state kept.
    void SetStepAngle(double step);

    // ---- gear ------------------------------------------------------------------------------
    void MoveReverseArmBar(int position);
    void CentreReverseArm();
    void NormalForward();
    void NormalReverse();
    void CalcMidGearAndCentre();
    // The reverse-arm dialog: a position kept within mid gear +- the maximum.
    void SetReverseArm(double position);

    // ---- options ---------------------------------------------------------------------------
    void ToggleSteamDisplay();
    void ToggleErrorBeep();
    void ToggleLineWidth();
    void ToggleLargeFont();
    void ToggleScreenData();
    void TogglePanZoomBars();
    void ToggleDynVarDisplay();
    void ToggleUndoDisplay();
    void ToggleFastTimer();

    // ---- view and reference points ---------------------------------------------------------
    // A self-centring bar moved to a position; the session applies its step and the bar's
    // spring back to 0 (which the window then shows).
    void MoveViewBar(ViewBar bar, int position);
    void NormView();
    void ArmPreset();
    void RecallPreset(int n);
    void CentreOnReferencePoint(int point);
    void ZeroReferencePoint(int point);
    void ToggleReferencePoints();
    // The reference-points dialog: "OK" with both points, "Cancel", "Zero".
    void SetReferencePoints(float y1, float x1, float y2, float x2);
    void CancelReferencePoints();
    void ZeroReferencePoints();

    // ---- dimensions ------------------------------------------------------------------------
    // A key the filter let through in a gray dimension box: the next exit records an undo level.
    void MarkDimensionTyped();
    // Leaving a dimension box with its value: a gray row records its undo level (when typed) and
    // becomes the newest dynamic variable; rows 25..27 store their value with their limits.
    void LeaveDimensionBox(int code, float value);
    // "Close" of either dimension dialog: mid gear, the reverse arm centred, cut-offs cleared.
    void CloseDimensionDialog();
    // The reset buttons' halves: the press resets the dimensions and the slots, the click also
    // empties the undo store.
    void ResetFrameDimensions(bool clearUndo);
    void ResetCylinderDimensions(bool clearUndo);
    void ResetAllDimensions();
    void ShowDimensionPointer(int code);
    // The pointer-zoom dialog: kept within 0.5..2000.
    void SetGraphicZoom(double zoom);

    // ---- diagrams --------------------------------------------------------------------------
    // A position box (1..9) of the positions dialog left with a number: stored by the list's
    // rules; a number beyond the 32-bit range goes to the nearest end of the reverse-arm range.
    void LeaveDiagramPositionBox(int box, double value);
    // The scale box left with a number: within 0.1 .. 10000, a number beyond either taken as it.
    void LeaveDiagramScaleBox(double value);
    // The positions dialog painted or closed: the list tidied and counted. Returns the count.
    int TidyDiagramPositionList();
    // The positions dialog closed: the diagram that opened it redraws at the next mouse move.
    void DiagramPositionsClosed();
    // Whether that redraw is due; clears the flag.
    bool TakeDiagramRedrawPending();
    // A diagram's computation, which sweeps the drive and restores it (see ComputeDiagram).
    DiagramData ComputeDiagram(DiagramKind kind, PortsMode portsMode = PortsMode::Forward);

    // ---- dynamic variables and undo --------------------------------------------------------
    void MoveDynVarBar(int slot, int position);
    void EnterDynVarBar(int slot);
    // A finished scroll of a slot's bar: one undo level from the value the bar found, none when
    // the value is where it started (a thumb clicked and let go), so no real level is pushed out.
    void EndDynVarScroll(int slot);
    void Undo();

    // ---- picture presses, pivot data and the lines overlay --------------------------------
    enum class PressButton { Left, Right, Other };
    // A press on the picture (client pixels), in this order: the reference points move to it,
    // the lines dialog comes back after a pivot pick, the pivot-data slots are picked and
    // chosen, and a dimension pointer ends.
    void PicturePressed(PressButton button, int x, int y);
    // The pivot-data panel on or off; on also switches the reference points on.
    void TogglePivotData();
    // The pivot data table for today, one line per row, lines separated by "\n". Solving its
    // rows leaves the last row's pivots in the model until the next tick.
    QString PivotDataTableText();
    // The lines dialog asked for by its menu item or tool button: a beep first while both
    // reference points lie at the origin, then linesDialogRequested.
    void RequestLinesDialog();
    // The lines dialog's commands (see model/LineOverlay.h); refusals beep.
    void LinesDialogActivated();
    void ChooseLineType(int type);
    void ChooseLineColour(int colour);
    void ChooseLineReference(int mode);
    void DrawLineAndClose();
    void CloseLinesDialog();
    void ClearLine();
    void SelectLineRow(int row);
    // Leaving box 1..4 of a row with its text: a text that is no number keeps the slot's value.
    void LeaveLineBox(int row, int box, const QString& text);
    // Every row shown afresh from its slot, after a design file has been loaded.
    void RefillLineRows();
    // ---- the design file --------------------------------------------------------------------
    // Open, once its dialog is confirmed: the file is read and checked whole and only a design
    // accepted whole is applied: every value of the file, the line slot it names, mid gear, the
    // reverse-arm bar over the new maximum at 0, and the set name from the path. Returns why a
    // file was refused; then nothing has changed.
    std::optional<QString> OpenDesignFile(const QString& path);
    // Open's dialog cancelled: nothing changes but the lines dialog's rows are refilled.
    void CancelOpenDesign();
    // Save As, once its dialog is confirmed: the whole design is written beside the target and
    // replaces it only once every byte is on disk; then the set name follows the path. Returns
    // why it failed; then no file and nothing in the model has changed, unless the failure says
    // the file was replaced (only its folder could not be flushed), when the name follows too.
    std::optional<ReplaceFailure> SaveDesignFile(const QString& path);
    // The folder of the design file opened or saved last; empty before the first.
    const QString& DesignFolder() const { return designFolder_; }

signals:
    void changed(zeph::Session::Changes what);
    // After every tick, once the model holds the tick's picture.
    void ticked();
    void errorIconChanged(bool visible);
    // The dimension pointer asks for its dialog to close while it shows and to reopen afterwards.
    void pointerDialogClosing(bool frameDialog);
    void pointerDialogReopening(bool frameDialog);
    void busyCursorChanged(bool busy);
    void animationPausedChanged(bool paused);
    // The lines dialog is to open (modally) or to close.
    void linesDialogRequested();
    void linesDialogClosing();
    // Every Open ends with this, opened or not (cancelled, refused), so that the lines dialog
    // refills its rows from the line slots.
    void designOpenEnded(bool opened);

private:
    void Emit(Changes what) { emit changed(what); }
    void Events(const TickEvents& events);
    UndoButtonsSink UndoSink();
    // The handlers the bars' change notifications run.
    void OnDriverBarChanged();
    void OnStepBarChanged();
    void OnReverseArmBarChanged();
    void SetDriverBarValue(int value);
    void SetStepBarValue(int value);
    void SetReverseArmBarValue(int value);
    void SetReverseArmBarRange();
    void Stop(float angle);
    void SetStepButtons();
    void SetGearButtons();
    void EmptyCutoffTexts();
    void ApplyViewBarStep(ViewBar bar, Real step);
    void LeaveWhiteRow(int row, float value);
    void ClampDiagramPositions();
    void SetReferencePointsOn(bool on);
    void OpenLinesDialog(bool beepAtOrigin);
    void LineCommandDone(bool beep, bool closeDialog);

    MechanismModel& m;
    SoundSink& sound_;
    ControlState c_;
    std::array<BarHistory, 7> viewBarHistories_{};
    QString designFolder_;
};

}  // namespace zeph

Q_DECLARE_OPERATORS_FOR_FLAGS(zeph::Session::Changes)
