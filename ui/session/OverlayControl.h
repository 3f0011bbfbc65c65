// What lies over the picture: presses on it, the pivot-data panel and table, the lines dialog's commands.
#pragma once

#include <QString>

#include "model/overlay/PivotData.h"
#include "ui/session/SessionController.h"

namespace zeph {

struct LineCommandResult;

class OverlayControl : SessionController {
public:
    using SessionController::SessionController;

    enum class PressButton { Left, Right, Other };
    // A press on the picture (client pixels), in this order: the reference points move to it,
    // the lines dialog comes back after a pivot pick, the pivot-data slots are picked and
    // chosen, and a dimension pointer ends.
    void PicturePressed(PressButton button, int x, int y);
    void PicturePressed(bool leftButton, int x, int y);
    // The pivot-data panel on or off; on also switches the reference points on.
    void TogglePivotData();
    // The pivot data table for today, one line per row, lines separated by "\n". Solving its
    // rows leaves the last row's pivots in the model until the next tick.
    QString PivotDataTableText();
    // The same table with its rows as fields (see PivotDataTableSheet).
    PivotDataSheet PivotDataTableNow();
    // The lines dialog asked for by its menu item or tool button: a beep first while both
    // reference points lie at the origin, then linesDialogRequested.
    void RequestLinesDialog();
    // The lines dialog's commands (see model/overlay/LineOverlay.h); refusals beep.
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

private:
    void OpenLinesDialog(bool beepAtOrigin);
    void LineCommandDone(const LineCommandResult& result);
};

}  // namespace zeph
