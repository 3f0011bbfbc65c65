// What lies over the picture: presses on it, the pivot-data panel and table, the lines dialog's commands.
#include "ui/session/OverlayControl.h"

#include <QStringList>

#include "model/overlay/LineOverlay.h"
#include "model/design/MechanismModel.h"
#include "model/linkage/PictureGeometry.h"
#include "model/overlay/PivotData.h"
#include "model/tick/PointerSimulation.h"
#include "platform/Clock.h"
#include "platform/NumberReading.h"
#include "platform/SoundSink.h"
#include "render/scene/PivotDataPainter.h"
#include "render/text/TextScale.h"
#include "ui/session/Session.h"

namespace zeph {

void OverlayControl::PicturePressed(bool leftButton, int x, int y)
{
    PicturePressed(leftButton ? PressButton::Left : PressButton::Right, x, y);
}

void OverlayControl::PicturePressed(PressButton button, int x, int y)
{
    const bool left = button == PressButton::Left, right = button == PressButton::Right;
    if (m.RefPointsOn && PressInPicture(x, y) && (left || right)) {
        const ModelPoint p = PressPoint(m, x, y);
        s_.View().PlaceReferencePoint(left ? 1 : 2, p.x, p.y);
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
    Emit(Change::View | Change::Overlay);
}

void OverlayControl::TogglePivotData()
{
    m.PivotDataOn = !m.PivotDataOn;
    if (m.PivotDataOn && !m.RefPointsOn) s_.View().ShowReferencePoints(true);
    Emit(Change::Display | Change::View);
}

QString OverlayControl::PivotDataTableText()
{
    QStringList lines;
    for (const std::string& line : PivotDataTableNow().lines) lines.append(QString::fromStdString(line));
    return lines.join(u'\n');
}

PivotDataSheet OverlayControl::PivotDataTableNow()
{
    return PivotDataTableSheet(m, ShortDateText().toStdString(), LongTimeText().toStdString());
}

void OverlayControl::OpenLinesDialog(bool beepAtOrigin)
{
    const Pivot& r1 = m.Pivots[RefPoint1];
    const Pivot& r2 = m.Pivots[RefPoint2];
    if (beepAtOrigin && r1.x == 0 && r1.y == 0 && r2.x == 0 && r2.y == 0) s_.sound().Beep();
    emit s_.linesDialogRequested();
}

void OverlayControl::RequestLinesDialog() { OpenLinesDialog(true); }

void OverlayControl::LineCommandDone(const LineCommandResult& result)
{
    if (result.beep) s_.sound().Beep();
    Emit(Change::Overlay);
    if (result.closeDialog) emit s_.linesDialogClosing();
}

void OverlayControl::LinesDialogActivated()
{
    ActivateLinesDialog(m);
    Emit(Change::Overlay);
}

void OverlayControl::ChooseLineType(int type) { LineCommandDone(zeph::ChooseLineType(m, type)); }
void OverlayControl::ChooseLineColour(int colour) { LineCommandDone(zeph::ChooseLineColour(m, colour)); }
void OverlayControl::ChooseLineReference(int mode) { LineCommandDone(zeph::ChooseLineReference(m, mode)); }
void OverlayControl::DrawLineAndClose() { LineCommandDone(zeph::DrawLineAndClose(m)); }
void OverlayControl::CloseLinesDialog() { LineCommandDone(zeph::CloseLinesDialog(m)); }

void OverlayControl::ClearLine()
{
    zeph::ClearLine(m);
    Emit(Change::Overlay);
}

void OverlayControl::SelectLineRow(int row)
{
    zeph::SelectLineRow(m, row);
    Emit(Change::Overlay);
}

void OverlayControl::LeaveLineBox(int row, int box, const QString& text)
{
    const float value = ReadNumberF(text, LineBoxValue(m, row, box));
    StoreLineBox(m, row, box, text.toStdString(), value);
    Emit(Change::Overlay);
}

void OverlayControl::RefillLineRows()
{
    zeph::RefillLineRows(m);
    Emit(Change::Overlay);
}

}  // namespace zeph
