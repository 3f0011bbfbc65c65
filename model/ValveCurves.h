// Valve travel against driver angle (sine diagram) and against piston position (oval diagram).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/DiagramPositions.h"
#include "model/MechanismModel.h"

namespace zeph {

enum class ValveDiagram { Sine, Oval };

// One plotted pixel; not valid when the value behind it is not a finite number, in which case
// no segment starts or ends there.
struct PlotPoint {
    int32_t x = 0, y = 0;
    bool valid = false;
};

// A horizontal line marking where a port begins to open or is fully open, with its label.
struct PortLine {
    bool front = true;   // lime for the front port, red for the rear
    const char* label = "";
    float level = 0;     // event level (rear levels are magnitudes of backward travel)
    int32_t y = 0;       // the line's row, drawn from x 15 to endX
    int32_t endX = 0;
    int32_t labelX = 0, labelY = 0;
    bool valid = false;  // the level maps to a finite row
};

// The curve's number printed in bold next to it, before segment `beforeSegment` is drawn
// (segment i joins point i - 1 to point i).
struct CurveMark {
    int32_t x = 0, y = 0;
    int beforeSegment = 0;
    bool valid = false;
};

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
    std::vector<PlotPoint> points;
    std::vector<CurveMark> marks;
    std::optional<MidGearEvents> midGear;  // only for a position in mid gear
};

struct ValveDiagramData {
    ValveDiagram kind = ValveDiagram::Sine;
    Real scale = 1.5L;     // model units per 375 pixels, as drawn
    float revArmCentre = 0;
    std::array<PortLine, 6> portLines{};  // front open, front max, front exhaust, rear open, rear max, rear exhaust
    std::vector<ValveCurve> curves;
};

constexpr int SineSolves = 67;  // 8 degree steps from 328 to 856 degrees counted on
constexpr int OvalSolves = 46;  // 8 degree steps once round from 32 degrees, angle falling

// Pixel row of a valve travel d (positive forwards) at scale S; rear levels use -t.
int32_t TravelRow(Real scale, Real travel);

// The piston's displacement from mid-stroke as a fraction of the crank radius at a driver
// angle; the stroke and the rod's radicand are guarded as the solver guards its own.
Real OvalPistonFraction(MechanismModel& m, Real angleDeg);
// Pixel column of that fraction: round(270.5 p + 314).
int32_t OvalColumn(Real fraction);

// Whether a list position counts as mid gear: strictly within 0.05 of the centre.
bool InMidGear(const MechanismModel& m, float position);

// The six lead, lap and exhaust-clearance figures from the joint extremes and the levels.
std::array<Real, 6> MidGearFigures(const MechanismModel& m, float jointMin, float jointMax);

// The six port lines of a diagram for the current cylinder dimensions and scale.
std::array<PortLine, 6> PortLines(const MechanismModel& m, ValveDiagram kind, Real scale);

// Runs a whole diagram: refreshes the event levels from the cylinder dimensions, then sweeps
// every list position in order. Saves and restores DriverAngle and RevArmPosition and leaves
// the last plotted position in LastDiagramRevArmPos; the solves leave their pivots, levels and
// error flag behind as any solve does.
ValveDiagramData ComputeValveDiagram(MechanismModel& m, ValveDiagram kind);

}  // namespace zeph
