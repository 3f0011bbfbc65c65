// Sweeps of the sine and oval diagrams: valve travel and piston place per solve, and mid-gear figures.
#include "model/diagrams/ValveCurves.h"

#include <cmath>

#include "model/linkage/Guards.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

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
void SolveForTravel(MechanismModel& m, Real angle, ValveCurve& curve)
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
}

// Valve travel against the angle counted on past 360, from 328 degrees in 8 degree steps.
void SweepSine(MechanismModel& m, ValveCurve& curve)
{
    for (int j = 7; j <= 73; ++j) SolveForTravel(m, Wrap360Down(8 * j + 272), curve);
}

// Valve travel against piston position, once round with the angle falling from 32 degrees.
void SweepOval(MechanismModel& m, ValveCurve& curve)
{
    for (int j = 7; j <= 52; ++j) {
        SolveForTravel(m, Wrap360Up(88 - 8 * j), curve);
        curve.pistonFraction.push_back(OvalPistonFraction(m, curve.angles.back()));
    }
}

}  // namespace

Real OvalPistonFraction(MechanismModel& m, Real angleDeg)
{
    const Real r = GuardDivisor(m, m.Frame.Stroke) / 2;
    const Real rod = m.Frame.MainRodLen;
    const Real a = angleDeg * Pi / 180;
    const Real h = r * std::sin(a);
    return std::cos(a) + (std::sqrt(AbsRadicand(m, rod * rod - h * h)) - rod) / r;
}

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

ValveDiagramData ComputeValveDiagram(MechanismModel& m, ValveDiagram kind)
{
    DriveStateGuard keep(m);
    // The lines show the valve as it is now, also when no solve has run since a change.
    CalcEventLevels(m);
    ValveDiagramData data;
    data.kind = kind;
    data.scale = DiagramDrawScale(m);
    data.revArmCentre = m.RevArmCentre;
    const EventLevels& L = m.Levels;
    data.portLevels = {L.FrontSteamOpenLevel, L.FrontSteamMaxLevel, L.FrontExhaustOpenLevel,
                       L.RearSteamOpenLevel,  L.RearSteamMaxLevel,  L.RearExhaustOpenLevel};
    data.portWiderThanInsideLap = m.Cyl.ValvePortWidthFront > m.Cyl.ValveInsideEdge;
    for (const ListEntry& entry : DiagramListEntries(m)) {
        ValveCurve curve;
        curve.entry = entry;
        PlotPosition(m, entry.revArm);
        if (InMidGear(m, entry.revArm)) curve.midGear = MidGearEvents{};
        if (kind == ValveDiagram::Sine)
            SweepSine(m, curve);
        else
            SweepOval(m, curve);
        if (curve.midGear) curve.midGear->values = MidGearFigures(m, curve.midGear->jointMin, curve.midGear->jointMax);
        data.curves.push_back(std::move(curve));
    }
    return data;
}

}  // namespace zeph
