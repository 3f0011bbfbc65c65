// Event levels, port openings and piston travel of the inside-admission piston valve.
#include "model/linkage/ValveEvents.h"

#include <cmath>

#include "model/linkage/Guards.h"
#include "model/linkage/Solver.h"

namespace zeph {

namespace {

float F(Real v) { return static_cast<float>(v); }

// Valve centre displacement from the bore centre, positive forwards.
Real TravelOf(const MechanismModel& m)
{
    return Real(m.Pivots[ValveJoint].x) + m.Cyl.ValveJointOffset - m.Cyl.CylCentreX;
}

}  // namespace

void CalcEventLevels(MechanismModel& m)
{
    const CylDims& c = m.Cyl;
    EventLevels& L = m.Levels;
    L.FrontSteamOpenLevel = F(Real(c.ValvePortOffset) - c.ValveInsideEdge);
    L.FrontSteamMaxLevel = F(Real(L.FrontSteamOpenLevel) + c.ValvePortWidthFront);
    L.FrontExhaustOpenLevel = F(Real(L.FrontSteamMaxLevel) - c.ValveEndWidthFront);
    L.RearSteamOpenLevel = F(Real(c.ValvePortOffset) - c.ValveInsideEdge);
    L.RearSteamMaxLevel = F(Real(c.ValvePortOffset) + c.ValvePortWidthRear - c.ValveInsideEdge);
    L.RearExhaustOpenLevel = F(Real(L.RearSteamMaxLevel) - c.ValveEndWidthRear);
    L.ValveTravel = F(TravelOf(m));

    const Real k = Real(c.CylCentreX) - c.ValveJointOffset;
    const Real fsol = L.FrontSteamOpenLevel;
    L.LeadFrontBase = F(-k - fsol);
    L.LeadRearBase = F(k - fsol);
    L.LapFrontBase = F(k + fsol);
    L.LapRearBase = F(fsol - k);
    L.ExClFrontBase = F(Real(L.FrontExhaustOpenLevel) + k);
    L.ExClRearBase = F(Real(L.RearExhaustOpenLevel) - k);
}

namespace {

// Piston travel from the crank angle's cosine and sine.
float PistonTravelFrom(MechanismModel& m, CosSin crank)
{
    const Real stroke = m.Frame.Stroke;
    const Real rod = m.Frame.MainRodLen;
    const Real s = GuardDivisor(m, stroke);
    const Real h = crank.s * stroke / 2;
    const Real q = AbsRadicand(m, rod * rod - h * h);
    return F(320 - (crank.c + std::sqrt(q) / s * 2 - rod / s * 2) * 320);
}

}  // namespace

float PistonTravelAt(MechanismModel& m, Real driverAngleDeg)
{
    CosSin crank;
    ::sincosl(driverAngleDeg * Pi / 180, &crank.s, &crank.c);
    return PistonTravelFrom(m, crank);
}

void CalcPortOpenings(MechanismModel& m)
{
    PortState& p = m.Ports;
    const EventLevels& L = m.Levels;
    p.PistonTravel = PistonTravelFrom(m, DriverAngleCosSin(m.DriverAngle));
    const Real travel = TravelOf(m);
    p.FrontSteamOpening = F(travel - L.FrontSteamOpenLevel);
    p.FrontExhaustOpening = F(Real(L.FrontExhaustOpenLevel) - travel);
    p.RearSteamOpening = F(-travel - L.RearSteamOpenLevel);
    p.RearExhaustOpening = F(travel + L.RearExhaustOpenLevel);
    if (!AllFinite(p)) RaiseMechanismError(m);
}

Real CrossingPiston(Real prevOpening, Real opening, Real prevPiston, Real piston)
{
    return piston - opening * (prevPiston - piston) / (prevOpening - opening);
}

std::optional<Real> EventCrossing(Crossing sense, Real prevOpening, Real opening, Real prevPiston, Real piston)
{
    const bool crossed = sense == Crossing::Rising ? (prevOpening < 0 && opening >= 0)
                                                   : (prevOpening > 0 && opening <= 0);
    if (!crossed) return std::nullopt;
    return CrossingPiston(prevOpening, opening, prevPiston, piston);
}

}  // namespace zeph
