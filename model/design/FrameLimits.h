// The limits the frame's reverse-arm rows and the setup dialogs keep values within.
#pragma once

#include <cstdint>
#include <optional>

#include "model/design/MechanismModel.h"

namespace zeph {

// Stores a frame row that is no dimension of the linkage (25 the offset angle, 26 the normal
// reverse-arm travel, 27 its maximum). Rows 26 and 27 limit each other: the normal travel never
// goes beyond the maximum, and the diagram positions in use are drawn back within the normal
// travel when one was cut. Returns whether the maximum travel was stored (row 27).
bool StoreReverseArmRow(MechanismModel& m, int row, float value);

// The diagram positions in use (entries 1..9 that are not 0) kept within mid gear +- the
// normal travel.
void ClampDiagramPositions(MechanismModel& m);

// The reverse-arm bar's ends in thousandths from mid gear: the frame's maximum travel either way.
struct ArmBarSpan {
    int32_t minimum = 0, maximum = 0;
    bool operator==(const ArmBarSpan&) const = default;
};
ArmBarSpan ReverseArmBarSpan(const FrameDims& frame);

// A reverse-arm position within mid gear +- the maximum travel; nothing when that is no finite
// number (a position that is none, or limits that are not numbers), and then the arm stays put.
std::optional<Real> ReverseArmWithinTravel(const MechanismModel& m, double position);

// What the setup dialogs accept: a driver angle within 0..360, a step within 0.01..45 degrees,
// a pointer zoom within 0.5..2000.
double DriverAngleWithinTurn(double angle);
double StepAngleWithinRange(double step);
double GraphicZoomWithinRange(double zoom);
// The diagram positions dialog: a position box's number beyond the 32-bit range goes to its
// nearest end (beyond either end of the reverse-arm range too); the scale box's number of any
// size is kept a finite one.
double PositionBoxValue(double value);
double ScaleBoxValue(double value);

}  // namespace zeph
