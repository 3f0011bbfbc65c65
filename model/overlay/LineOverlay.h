// The lines and circles laid over the mechanism: placing a slot from the reference points and pivots, the dialog's rows, and what each slot draws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/design/MechanismModel.h"
#include "model/core/Real.h"

namespace zeph {

// What a command of the lines dialog asks of the window around it.
struct LineCommandResult {
    bool beep = false;
    bool closeDialog = false;
};

// The colour value (0x00BBGGRR) of each colour choice, in the dialog's order: black, red,
// green, yellow, blue, gray.
uint32_t LineColourValue(int choice);

// The slot the dialog edits (CurrentLineSlot), or null while that is no slot number 1..20.
LineSlot* EditedLineSlot(MechanismModel& m);
// The number of the slot being edited, 1..20, as a design file keeps it: while the dialog is
// closed for a pivot pick, CurrentLineSlot stands one behind that slot (0 for slot 1).
int LineSlotBeingEdited(const MechanismModel& m);

// ---- the dialog's commands, each on the slot it edits --------------------------------------
// Type chosen (0 line, 1 circle): refused (beep, dialog closed, choice cleared) while both
// reference points lie at the origin, since nothing could be placed from them.
LineCommandResult ChooseLineType(MechanismModel& m, int type);
// Colour chosen (0..5): refused with a beep before a type.
LineCommandResult ChooseLineColour(MechanismModel& m, int colour);
// Reference chosen (mode 0..3): refused with a beep before a type and a colour. Takes both
// reference points as the slot's points. A slot carried by a pivot shows the pivot prompt and
// closes the dialog so that the pivot can be picked on the picture; a circle cannot be carried
// by two pivots or by a pivot and the frame, and is cleared with a beep.
LineCommandResult ChooseLineReference(MechanismModel& m, int mode);
// The dialog opened: without a reference choice, reference point 1 is remembered; back from a
// pivot pick, the slot takes the pivots nearest to the reference points and their positions.
void ActivateLinesDialog(MechanismModel& m);
// "Draw Close": the slot keeps its type and colour and its points become what it draws from
// (offsets from its pivots where carried, a circle's radius), shown in its row; the next slot
// becomes current (a beep at slot 20, which stays current).
LineCommandResult DrawLineAndClose(MechanismModel& m);
// "Close": the choices cleared, the prompt off.
LineCommandResult CloseLinesDialog(MechanismModel& m);
// "Clear Line": the slot emptied, its row blanked, the choices cleared, the prompt off.
void ClearLine(MechanismModel& m);
// A click on row 1..20's number: that slot becomes current, the choices are cleared.
void SelectLineRow(MechanismModel& m, int row);

// "Draw Close" can be pressed: all three choices are made.
bool DrawCloseEnabled(const MechanismModel& m);
// The choices made so far wait for one pivot (reference 0..2) or for two (reference 3).
bool LinesAwaitOnePivot(const MechanismModel& m);
bool LinesAwaitTwoPivots(const MechanismModel& m);

// ---- the rows' boxes (1..4: point 1 y, point 1 x, point 2 y, point 2 x) ---------------------
// A box takes typing, except the third of a row that shows a circle.
bool LineBoxTakesKeys(const MechanismModel& m, int row, int box);
// The slot field a box shows, as a leaving box falls back to when its text is not a number.
float LineBoxValue(const MechanismModel& m, int row, int box);
// Leaving a box: its text is kept and its value goes into the slot field of its column.
void StoreLineBox(MechanismModel& m, int row, int box, const std::string& text, float value);
// Every row refilled from its slot: values and choices of the slots in use, empty boxes for
// the others (after a design file is loaded).
void RefillLineRows(MechanismModel& m);
// The three captions of every row blanked, their choices -1 (before a design file is loaded).
void BlankLineCaptions(MechanismModel& m);

// ---- drawing ------------------------------------------------------------------------------
// What a slot draws, in model units: a line from (x1, y1) to (x2, y2), or a circle of radius r
// about (x1, y1). None for an empty slot, an unknown type, mode or colour, a pivot number that
// is no pivot, a combination that draws nothing, or a position that is not a finite number.
struct LineShape {
    enum Kind : uint8_t { None, Line, Circle };
    Kind kind = None;
    Real x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
};
LineShape SlotShape(const MechanismModel& m, int slot);
// A slot's colour when it holds a colour value (a whole number 0 .. 0xFFFFFF).
std::optional<uint32_t> SlotColour(const LineSlot& s);

}  // namespace zeph
