// One turn of the driver in a placed gear and the valve events it shows, and single trusted solves.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/GearChoice.h"

namespace zeph {

// The four events of one cylinder end, percent of stroke from that end; empty if not met.
struct EndEvents {
    std::optional<double> admission, cutoff, release, compression;
};

// What one turn in one gear shows.
struct GearEvents {
    Gear gear;
    float travelMin = 0, travelMax = 0;
    float leadFront = 0, leadRear = 0;
    EndEvents front, rear;
    bool mechanismError = false;  // some step could not close the linkage, or a figure cannot stand
};

// The solved linkage at one driver angle.
struct LinkageSample {
    double angle = 0;
    std::array<Pivot, PivotCount> pivots{};
    float radHangerDeg = 0, valveTravel = 0;
    PortState ports;
    bool mechanismError = false;  // the linkage could not close, or a figure cannot stand
};

// Rounding slack at the ends of the piston travel (0 front .. 640 rear): half the last
// decimal the report prints.
constexpr double PistonSlack = 0.00005;

// Whether the figures of the model's current solve can stand as results: every pivot, the
// hanger angle, the valve travel and the port openings finite, the piston within its stroke,
// and a main rod short enough for the piston formula to resolve the crank's part. A solve
// that fails this is reported as one whose linkage could not close: the solver squares the
// main rod, so a negative one closes without complaint while the piston leaves its cylinder.
bool SolveTrusted(const MechanismModel& m);

// Steps in one turn; the last one may be shorter so that the sweep ends on 360 exactly.
long StepsPerTurn(double step);
// Angle of step k (0..StepsPerTurn) counted from 0 in the direction of travel.
double TurnAngle(long k, long steps, double step);

// One full turn from driver angle 0 in the gear's running direction. When an event
// happens more than once in the turn, the first one met is kept.
GearEvents SweepGearEvents(MechanismModel& m, const Gear& gear, double step);

// The events table of a design: one turn in each gear, placed from the design's mid gear, in
// the order given, on a copy (the design itself is not changed).
std::vector<GearEvents> SweepGears(const MechanismModel& design, const std::vector<GearChoice>& gears, double step);

// Solves the linkage and the port openings at one angle; the error flag covers this solve only.
LinkageSample SolveAt(MechanismModel& m, const Gear& gear, double angle);

}  // namespace zeph
