// What the pivot data and the lines dialog carry between presses and commands: watched pivots, choices, rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zeph {

constexpr int PivotDataSlotCount = 6;
constexpr int LineRowCount = 20;
constexpr int LineBoxCount = 4;

// The six pivot-data slots and the state of the presses that fill them. Slots are numbered
// 1..6 (index 0 unused); a slot holds a pivot-table index as a real, used rounded.
struct PivotDataState {
    std::array<float, PivotDataSlotCount + 1> PivotSlot{};
    std::array<bool, PivotDataSlotCount + 1> PivotSlotShown{};  // set when chosen, never cleared
    int32_t SlotAwaitingPivot = 1;                              // the slot chosen last
    bool AwaitingPivot = false;                                 // the next left press picks its pivot
    bool LeftPressedForLines = false;  // a left press came before the right press of a two-pivot line
};

// What one row of the lines dialog shows: the type, colour and reference its captions name (the
// choice numbers of LineDialogState, -1 for a blank caption; the dialog words them) and the
// texts of its four boxes, in the box order point 1 y, point 1 x, point 2 y, point 2 x (a
// circle's radius).
struct LineRowShown {
    int32_t type = -1, colour = -1, reference = -1;
    std::array<std::string, LineBoxCount> boxes;
};

// The lines dialog's state: its three choices (-1 while nothing is chosen) and its 20 rows.
struct LineDialogState {
    int32_t TypeChoice = -1;       // 0 "Line", 1 "Circle"
    int32_t ColourChoice = -1;     // 0..5 "Black", "Red", "Green", "Yellow", "Blue", "Gray"
    int32_t ReferenceChoice = -1;  // 0..3 "0,0", "Pivot1", "Piv1/0,0", "Piv1/Piv2"
    // Reference point 1 as it was when the dialog was last opened without a reference choice:
    // a circle carried by a pivot takes its radius from it, since picking the pivot moves the point.
    float RememberedRefX = 0, RememberedRefY = 0;
    // The dialog closed for a pivot pick with CurrentLineSlot stepped back by one; the next
    // opening steps it forward again, once.
    bool SteppedBackForPick = false;
    std::array<LineRowShown, LineRowCount + 1> Rows{};  // rows 1..20
};

}  // namespace zeph
