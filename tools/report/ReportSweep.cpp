// One turn of the driver in a chosen gear, and the valve events the event-crossing rule finds.
#include "tools/report/ReportSweep.h"

#include <algorithm>
#include <cmath>

#include "model/Real.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"

namespace zeph::report {

namespace {

float OffsetFromMid(const MechanismModel& m, const GearRequest& g)
{
    if (!g.named) return static_cast<float>(g.offset);
    switch (*g.named) {
    case NamedGear::Mid: return 0.0f;
    case NamedGear::Fwd: return m.Frame.RevArmNorm;
    case NamedGear::FwdMax: return m.Frame.RevArmMax;
    case NamedGear::Rev: return -m.Frame.RevArmNorm;
    case NamedGear::RevMax: return -m.Frame.RevArmMax;
    }
    return 0.0f;
}

void Solve(MechanismModel& m, float revArm, double angle)
{
    m.RevArmPosition = revArm;
    m.DriverAngle = static_cast<float>(angle);
    SolveLinkage(m);
    CalcPortOpenings(m);
}

bool PortsFinite(const PortState& p)
{
    return std::isfinite(p.PistonTravel) && std::isfinite(p.FrontSteamOpening) &&
           std::isfinite(p.FrontExhaustOpening) && std::isfinite(p.RearSteamOpening) &&
           std::isfinite(p.RearExhaustOpening);
}

// Keeps the first crossing of one opening in the given sense, in percent of stroke.
void KeepFirst(std::optional<double>& slot, Crossing sense, Real prevOpening, Real opening,
               Real prevPiston, Real piston, Real (*percent)(Real))
{
    if (slot) return;
    if (const auto p = EventCrossing(sense, prevOpening, opening, prevPiston, piston)) slot = double(percent(*p));
}

// The events of both cylinder ends between two consecutive steps.
void TrackEvents(GearEvents& ev, const PortState& prev, const PortState& now)
{
    const Real pp = prev.PistonTravel, p = now.PistonTravel;
    KeepFirst(ev.front.admission, Crossing::Rising, prev.FrontSteamOpening, now.FrontSteamOpening, pp, p, FrontPercent);
    KeepFirst(ev.front.cutoff, Crossing::Falling, prev.FrontSteamOpening, now.FrontSteamOpening, pp, p, FrontPercent);
    KeepFirst(ev.front.release, Crossing::Rising, prev.FrontExhaustOpening, now.FrontExhaustOpening, pp, p, FrontPercent);
    KeepFirst(ev.front.compression, Crossing::Falling, prev.FrontExhaustOpening, now.FrontExhaustOpening, pp, p, FrontPercent);
    KeepFirst(ev.rear.admission, Crossing::Rising, prev.RearSteamOpening, now.RearSteamOpening, pp, p, RearPercent);
    KeepFirst(ev.rear.cutoff, Crossing::Falling, prev.RearSteamOpening, now.RearSteamOpening, pp, p, RearPercent);
    KeepFirst(ev.rear.release, Crossing::Rising, prev.RearExhaustOpening, now.RearExhaustOpening, pp, p, RearPercent);
    KeepFirst(ev.rear.compression, Crossing::Falling, prev.RearExhaustOpening, now.RearExhaustOpening, pp, p, RearPercent);
}

}  // namespace

void PrepareDesign(MechanismModel& m, const std::vector<DimSetting>& settings)
{
    m.StartUp();
    for (const DimSetting& s : settings) m.SetDim(s.code, s.value);
    m.CalcMidGear();
    if (!std::isfinite(m.RevArmCentre))
        throw UsageError("the changed dimensions leave no mid gear (the reverse-arm centre cannot be found)");
}

Gear ResolveGear(const MechanismModel& m, const GearRequest& g)
{
    const float revArm = static_cast<float>(Real(m.RevArmCentre) + OffsetFromMid(m, g));
    return {g.label, revArm, revArm >= m.RevArmCentre};
}

long StepsPerTurn(double step)
{
    return static_cast<long>(std::ceil(360.0 / step - 1e-9));
}

double TurnAngle(long k, long steps, double step)
{
    return k >= steps ? 360.0 : double(k) * step;
}

GearEvents SweepGearEvents(MechanismModel& m, const Gear& gear, double step)
{
    GearEvents ev;
    ev.gear = gear;
    m.MechanismError = false;
    Solve(m, gear.revArm, 180.0);
    ev.leadRear = m.Ports.RearSteamOpening;
    Solve(m, gear.revArm, 0.0);
    ev.leadFront = m.Ports.FrontSteamOpening;
    ev.travelMin = ev.travelMax = m.Levels.ValveTravel;
    bool finite = PortsFinite(m.Ports);

    const long steps = StepsPerTurn(step);
    PortState prev = m.Ports;
    for (long k = 1; k <= steps; ++k) {
        const double a = TurnAngle(k, steps, step);
        Solve(m, gear.revArm, gear.forward ? a : 360.0 - a);
        ev.travelMin = std::min(ev.travelMin, m.Levels.ValveTravel);
        ev.travelMax = std::max(ev.travelMax, m.Levels.ValveTravel);
        finite = finite && PortsFinite(m.Ports);
        TrackEvents(ev, prev, m.Ports);
        prev = m.Ports;
    }
    ev.mechanismError = m.MechanismError || !finite;
    return ev;
}

LinkageSample SolveAt(MechanismModel& m, const Gear& gear, double angle)
{
    m.MechanismError = false;
    Solve(m, gear.revArm, angle);
    LinkageSample s;
    s.angle = angle;
    s.pivots = m.Pivots;
    s.radHangerDeg = static_cast<float>(Real(m.RadHangerAngle) * 180 / Pi);
    s.valveTravel = m.Levels.ValveTravel;
    s.ports = m.Ports;
    s.mechanismError = m.MechanismError || !PortsFinite(m.Ports);
    return s;
}

}  // namespace zeph::report
