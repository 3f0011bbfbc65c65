// Valve travel against driver angle (sine diagram) and against piston position (oval diagram).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/diagrams/DiagramPositions.h"
#include "model/design/MechanismModel.h"

namespace zeph {

enum class ValveDiagram { Sine, Oval };

// Lead, lap and exhaust clearance of a mid-gear curve, front to rear, and the valve-joint x
// extremes they come from.
struct MidGearEvents {
    float jointMin = 1000, jointMax = 0;
    std::array<Real, 6> values{};  // front lead, front lap, front ExCl, rear ExCl, rear lap, rear lead
};

// One sweep of one list position.
struct ValveCurve {
    ListEntry entry;
    std::vector<float> angles;   // driver angle of each solve, degrees
    std::vector<float> travel;   // ValveTravel after each solve
    std::vector<Real> pistonFraction;  // oval only: the piston's place at each solve (OvalPistonFraction)
    std::optional<MidGearEvents> midGear;  // only for a position in mid gear
};

struct ValveDiagramData {
    ValveDiagram kind = ValveDiagram::Sine;
    Real scale = 1.5L;     // model units per 375 pixels, as drawn
    float revArmCentre = 0;
    // The event levels the port lines mark: front open, front max, front exhaust, rear open, rear
    // max, rear exhaust (rear levels are magnitudes of backward travel).
    std::array<float, 6> portLevels{};
    bool portWiderThanInsideLap = false;  // the front port is wider than the valve's inside edge
    std::vector<ValveCurve> curves;
};

constexpr int SineSolves = 67;  // 8 degree steps from 328 to 856 degrees counted on
constexpr int OvalSolves = 46;  // 8 degree steps once round from 32 degrees, angle falling

// The piston's displacement from mid-stroke as a fraction of the crank radius at a driver
// angle; the stroke and the rod's radicand are guarded as the solver guards its own.
Real OvalPistonFraction(MechanismModel& m, Real angleDeg);

// Whether a list position counts as mid gear: strictly within 0.05 of the centre.
bool InMidGear(const MechanismModel& m, float position);

// The six lead, lap and exhaust-clearance figures from the joint extremes and the levels.
std::array<Real, 6> MidGearFigures(const MechanismModel& m, float jointMin, float jointMax);

// Runs a whole diagram: refreshes the event levels from the cylinder dimensions, then sweeps
// every list position in order. Saves and restores DriverAngle and RevArmPosition and leaves
// the last plotted position in LastDiagramRevArmPos; the solves leave their pivots, levels and
// error flag behind as any solve does.
ValveDiagramData ComputeValveDiagram(MechanismModel& m, ValveDiagram kind);

}  // namespace zeph
