// The reverse-arm positions the sine, oval and steam diagrams plot, their rules, and the sweep bookkeeping.
#pragma once

#include <vector>

#include "model/design/MechanismModel.h"

namespace zeph {

constexpr int MaxDiagramPositions = DiagramRevArmEntries - 1;  // entries 1..9
constexpr float MinDiagramVScale = 0.1f;
constexpr float MaxDiagramVScale = 10000.0f;  // the largest scale the diagrams draw with

// 0 stays 0 ("unused"); any other value is pinned to RevArmCentre -+ RevArmMax, the lower end
// tested first.
float ClampToRevArmRange(const MechanismModel& m, float value);

// The tidy-and-recount step of the positions dialog: every entry behind the first zero is
// cleared (an entry that is not a finite number counts as a zero), and DiagramRevArmCount
// becomes the length of the run of non-zero entries from entry 1. Returns the count.
int TidyDiagramPositions(MechanismModel& m);

// How many position boxes the dialog shows after a tidy: the used ones and the next free one.
int VisiblePositionBoxes(const MechanismModel& m);

// A number left in position box k (1..9): stored in entry k, a 0 in box 1 becoming 0.001,
// then pinned into the reverse-arm range. A value that is not finite (or does not stay finite
// as a 32-bit real) is ignored, as is a box number outside 1..9. Returns whether it was stored.
bool StoreTypedPosition(MechanismModel& m, int box, double value);

// A number left in the scale box: kept within 0.1 .. 10000, what the diagrams draw with; a
// value that is not finite is ignored.
bool StoreTypedVScale(MechanismModel& m, double value);

// The scale the sine and oval diagrams draw with: DiagramVScale kept within 0.1 .. 10000 so
// that no division by zero and no endless tick run can come from a stored value (one read from
// a file, say; one that is not finite draws at the default 1.5).
Real DiagramDrawScale(const MechanismModel& m);

// Which side of mid gear a position lies on, as the position lists print it.
enum class RevArmSide { Centre, Forward, Reverse };
RevArmSide SideOf(const MechanismModel& m, float position);
const char* SideText(RevArmSide side);  // "Cen", "Fwd", "Rev"

// One list position as the diagrams plot and list it: its number, value and side.
struct ListEntry {
    int index = 0;  // 1..9
    float revArm = 0;
    RevArmSide side = RevArmSide::Centre;
};

// Entries 1..DiagramRevArmCount, in order (the count kept within 0..9).
std::vector<ListEntry> DiagramListEntries(const MechanismModel& m);

// A diagram sweeps DriverAngle and RevArmPosition and must leave both as it found them.
class DriveStateGuard {
public:
    explicit DriveStateGuard(MechanismModel& m) : m_(m), angle_(m.DriverAngle), revArm_(m.RevArmPosition) {}
    ~DriveStateGuard()
    {
        m_.DriverAngle = angle_;
        m_.RevArmPosition = revArm_;
    }
    DriveStateGuard(const DriveStateGuard&) = delete;
    DriveStateGuard& operator=(const DriveStateGuard&) = delete;

private:
    MechanismModel& m_;
    float angle_, revArm_;
};

// Makes a list position the gear of the next solves and the last plotted position.
inline void PlotPosition(MechanismModel& m, float position)
{
    m.RevArmPosition = position;
    m.LastDiagramRevArmPos = position;
}

// Turns the driver by step degrees (negative: backwards) and brings the angle back into
// 0..360 the way the diagrams do: less 360 while above 360, plus 360 while below 0.
void StepDriverAngle(MechanismModel& m, Real step);

}  // namespace zeph
