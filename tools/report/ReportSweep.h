// The report's computations: a design from dimension changes, gears, event sweeps and solves.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/MechanismModel.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// A gear placed on the design: where the reverse-arm top stands and which way the driver turns.
struct Gear {
    std::string label;
    float revArm = 0;
    bool forward = true;  // at or ahead of mid gear
};

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
    bool mechanismError = false;  // some step could not close the linkage
};

// The solved linkage at one driver angle.
struct LinkageSample {
    double angle = 0;
    std::array<Pivot, PivotCount> pivots{};
    float radHangerDeg = 0, valveTravel = 0;
    PortState ports;
    bool mechanismError = false;
};

// Starts the model, applies the dimension changes in order, then finds mid gear again.
// Throws UsageError when the changed design has no mid gear (reverse-arm centre not finite).
void PrepareDesign(MechanismModel& m, const std::vector<DimSetting>& settings);

// Places a requested gear on a prepared design.
Gear ResolveGear(const MechanismModel& m, const GearRequest& g);

// Steps in one turn; the last one may be shorter so that the sweep ends on 360 exactly.
long StepsPerTurn(double step);
// Angle of step k (0..StepsPerTurn) counted from 0 in the direction of travel.
double TurnAngle(long k, long steps, double step);

// One full turn from driver angle 0 in the gear's running direction. When an event
// happens more than once in the turn, the first one met is kept.
GearEvents SweepGearEvents(MechanismModel& m, const Gear& gear, double step);

// Solves the linkage and the port openings at one angle; the error flag covers this solve only.
LinkageSample SolveAt(MechanismModel& m, const Gear& gear, double angle);

}  // namespace zeph::report
