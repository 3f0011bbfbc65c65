// Watching pivots: the model point of a press, the nearest-pivot rule, the slots and the pivot data table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design/MechanismModel.h"

namespace zeph {

// A point in model units: x horizontal, y vertical (upwards).
struct ModelPoint {
    float x = 0, y = 0;
};

// The model point under client pixel (x, y) with the view now in force.
ModelPoint PressPoint(const MechanismModel& m, int x, int y);

// The pivot 1..18 nearest to p by |dy| + |dx| in model units; the lowest index wins a tie.
// Nothing is found when no distance is below 10000 (or no position is a number), and then the
// caller keeps its previous pick.
std::optional<int> NearestPivot(const MechanismModel& m, ModelPoint p);

// A pivot number held as a real, rounded; nothing when it is no index of the pivot table.
std::optional<int> PivotNumber(float value);

// The pivot a pivot-data slot (1..6) refers to: its number rounded, pivot 0 (the driver centre)
// when the slot never had one or its number is no index of the pivot table.
int SlotPivot(const MechanismModel& m, int slot);

// A left press while a slot waits for its pivot: reference point 1 moves to the press, the slot
// takes the pivot nearest to it (or keeps its pivot when none is found) and stops waiting.
void PickSlotPivot(MechanismModel& m, ModelPoint press);

// Chooses a slot (1..6): it shows from now on and waits for its pivot.
void ChooseSlot(MechanismModel& m, int slot);

// At most this many angle rows: a whole turn at a step of 0.01 degree, which a memo still shows at once.
constexpr int PivotTableMaxRows = 36001;

// The pivot data table, one text per line: a title with the design's name and the given date
// and time, the reverse arm and step angle, two column headings, then one row per driver angle
// from 0 up to 360 in steps of ChosenStepAngle with the six slots' pivot positions. The linkage
// is solved for each row; the driver angle and the step are restored afterwards, while the
// pivots keep the last row's solution. A step of 0 or less gives the first row only; a step so
// small that the turn would need more than PivotTableMaxRows rows stops there and says so in a
// last line.
std::vector<std::string> PivotDataTable(MechanismModel& m, const std::string& date, const std::string& time);

// The same table with each angle row also as its fields: the driver angle, then the vertical and
// horizontal position of slots 1..6, each the text its line holds there without the padding
// (empty where the line leaves the value blank).
struct PivotDataSheet {
    std::vector<std::string> lines;
    std::vector<std::vector<std::string>> rows;
};
PivotDataSheet PivotDataTableSheet(MechanismModel& m, const std::string& date, const std::string& time);
// The names of the fields of a row, from the two column headings.
std::vector<std::string> PivotDataColumnNames();

}  // namespace zeph
