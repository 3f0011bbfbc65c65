// Sweeps of the sine and oval diagrams: valve travel per solve, pixels, marks and mid-gear figures.
#include "model/ValveCurves.h"

#include <cmath>

#include "model/Guards.h"
#include "model/Solver.h"
#include "model/ViewTransform.h"

namespace zeph {

namespace {

constexpr Real PixelsPerScale = 375;
constexpr Real ZeroRow = 215;

PlotPoint Point(Real x, Real y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    return {RoundPixel(x), RoundPixel(y), true};
}

CurveMark Mark(Real x, Real y, int beforeSegment)
{
    const PlotPoint p = Point(x, y);
    return {p.x, p.y, beforeSegment, p.valid};
}

Real Wrap360Down(Real a)
{
    while (a > 360) a -= 360;
    return a;
}

Real Wrap360Up(Real a)
{
    while (a < 0) a += 360;
    return a;
}

// Sets the angle, solves, and keeps the travel; the joint extremes follow in mid gear.
Real SolveForTravel(MechanismModel& m, Real angle, ValveCurve& curve)
{
    m.DriverAngle = static_cast<float>(angle);
    SolveLinkage(m);
    const float d = m.Levels.ValveTravel;
    curve.angles.push_back(m.DriverAngle);
    curve.travel.push_back(d);
    if (curve.midGear) {
        const float x = m.Pivots[ValveJoint].x;
        if (x < curve.midGear->jointMin) curve.midGear->jointMin = x;
        if (x > curve.midGear->jointMax) curve.midGear->jointMax = x;
    }
    return d;
}

Real RowOffset(Real base, Real travel, Real scale) { return base - travel * PixelsPerScale / scale; }

// Valve travel against the angle counted on past 360: x = A - 270, one pixel per degree.
void SweepSine(MechanismModel& m, Real scale, ValveCurve& curve)
{
    Real prev = 0;
    for (int j = 7; j <= 73; ++j) {
        const Real d = SolveForTravel(m, Wrap360Down(8 * j + 272), curve);
        if (j == 8) curve.marks.push_back(Mark(45, RowOffset(ZeroRow, prev, scale), 1));
        curve.points.push_back(Point(8 * j + 2, RowOffset(ZeroRow, d, scale)));
        prev = d;
    }
}

// Valve travel against piston position, once round with the angle falling from 32 degrees.
// The number stands twice, above or below the curve by which valve edge is the wider.
void SweepOval(MechanismModel& m, Real scale, ValveCurve& curve)
{
    const bool portWider = m.Cyl.ValvePortWidthFront > m.Cyl.ValveInsideEdge;
    const Real first = portWider ? 204 : 213, second = portWider ? 213 : 204;
    Real prev = 0;
    for (int j = 7; j <= 52; ++j) {
        const Real angle = Wrap360Up(88 - 8 * j);
        const Real d = SolveForTravel(m, angle, curve);
        const int segment = j - 7;
        if (j == 22) curve.marks.push_back(Mark(300, RowOffset(first, prev, scale), segment));
        if (j == 46) curve.marks.push_back(Mark(334, RowOffset(second, prev, scale), segment));
        const Real p = OvalPistonFraction(m, curve.angles.back());
        curve.points.push_back(Point(std::isfinite(p) ? OvalColumn(p) : p, RowOffset(ZeroRow, d, scale)));
        prev = d;
    }
}

PortLine MakePortLine(bool front, const char* label, float level, Real scale, Real labelBase, int labelX, int endX)
{
    const Real sign = front ? 1 : -1;
    PortLine line;
    line.front = front;
    line.label = label;
    line.level = level;
    const PlotPoint row = Point(0, RowOffset(ZeroRow, sign * level, scale));
    const PlotPoint labelRow = Point(labelX, RowOffset(labelBase, sign * level, scale));
    line.valid = row.valid && labelRow.valid;
    line.y = row.y;
    line.endX = endX;
    line.labelX = labelX;
    line.labelY = labelRow.y;
    return line;
}

}  // namespace

int32_t TravelRow(Real scale, Real travel) { return RoundPixel(RowOffset(ZeroRow, travel, scale)); }

Real OvalPistonFraction(MechanismModel& m, Real angleDeg)
{
    const Real r = GuardDivisor(m, m.Frame.Stroke) / 2;
    const Real rod = m.Frame.MainRodLen;
    const Real a = angleDeg * Pi / 180;
    const Real h = r * std::sin(a);
    return std::cos(a) + (std::sqrt(AbsRadicand(m, rod * rod - h * h)) - rod) / r;
}

int32_t OvalColumn(Real fraction) { return RoundPixel(270.5L * fraction + 314); }

bool InMidGear(const MechanismModel& m, float position)
{
    const Real c = m.RevArmCentre;
    return c - 0.05L < position && position < c + 0.05L;
}

std::array<Real, 6> MidGearFigures(const MechanismModel& m, float jointMin, float jointMax)
{
    const EventLevels& L = m.Levels;
    const Real mid = (Real(jointMax) + jointMin) / 2;
    // With a port wider than the inside lap the bases are taken as they stand.
    const Real shift = m.Cyl.ValvePortWidthFront > m.Cyl.ValveInsideEdge ? 0 : mid;
    return {Real(L.LeadFrontBase) + jointMax, Real(L.LapFrontBase) - shift, Real(L.ExClFrontBase) - shift,
            shift + L.ExClRearBase,           shift + L.LapRearBase,        Real(L.LeadRearBase) - jointMin};
}

std::array<PortLine, 6> PortLines(const MechanismModel& m, ValveDiagram kind, Real scale)
{
    const bool sine = kind == ValveDiagram::Sine;
    const int near = sine ? 60 : 430, far = sine ? 230 : 75, end = sine ? 583 : 584;
    const EventLevels& L = m.Levels;
    return {MakePortLine(true, "Front Steam Port Open", L.FrontSteamOpenLevel, scale, 199, near, end),
            MakePortLine(true, "Front Steam Port Max", L.FrontSteamMaxLevel, scale, 216, near, end),
            MakePortLine(true, "Front Exhaust Port Open", L.FrontExhaustOpenLevel, scale, 216, far, end),
            MakePortLine(false, "Rear Steam Port Open", L.RearSteamOpenLevel, scale, 216, far, end),
            MakePortLine(false, "Rear Steam Port Max", L.RearSteamMaxLevel, scale, 199, far, end),
            MakePortLine(false, "Rear Exhaust Port Open", L.RearExhaustOpenLevel, scale, 199, near, end)};
}

ValveDiagramData ComputeValveDiagram(MechanismModel& m, ValveDiagram kind)
{
    DriveStateGuard keep(m);
    // The lines show the valve as it is now, also when no solve has run since a change.
    CalcEventLevels(m);
    ValveDiagramData data;
    data.kind = kind;
    data.scale = DiagramDrawScale(m);
    data.revArmCentre = m.RevArmCentre;
    data.portLines = PortLines(m, kind, data.scale);
    for (const ListEntry& entry : DiagramListEntries(m)) {
        ValveCurve curve;
        curve.entry = entry;
        PlotPosition(m, entry.revArm);
        if (InMidGear(m, entry.revArm)) curve.midGear = MidGearEvents{};
        if (kind == ValveDiagram::Sine)
            SweepSine(m, data.scale, curve);
        else
            SweepOval(m, data.scale, curve);
        if (curve.midGear) curve.midGear->values = MidGearFigures(m, curve.midGear->jointMin, curve.midGear->jointMax);
        data.curves.push_back(std::move(curve));
    }
    return data;
}

}  // namespace zeph
