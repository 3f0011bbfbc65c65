// One turn of the driver in a chosen gear, and the valve events the event-crossing rule finds.
#include "model/analysis/GearSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/core/Real.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"

namespace zeph {

namespace {

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

bool PivotsFinite(const std::array<Pivot, PivotCount>& pivots)
{
    return std::all_of(pivots.begin(), pivots.end(),
                       [](const Pivot& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

bool PistonWithinStroke(float piston)
{
    return piston >= -PistonSlack && piston <= 640 + PistonSlack;
}

// The piston formula keeps the small difference of two terms of about 2 x MainRodLen / Stroke.
// Once those terms are so large that the rounding of the arithmetic type reaches the last
// printed decimal of the travel, the crank's part is lost: a main rod of 1e20 freezes the
// travel at 320, one of 1e18 already gives 100 where 93.7 is right.
bool PistonFormulaResolves(const MechanismModel& m)
{
    const Real stroke = std::max(std::fabs(Real(m.Frame.Stroke)), Real(0.00001));  // as the divisor guard
    const Real terms = std::fabs(Real(m.Frame.MainRodLen)) * 2 / stroke;
    return terms * 320 * std::numeric_limits<Real>::epsilon() <= PistonSlack;
}

bool EventFiguresFinite(const GearEvents& ev)
{
    bool finite = std::isfinite(ev.gear.revArm) && std::isfinite(ev.travelMin) && std::isfinite(ev.travelMax) &&
                  std::isfinite(ev.leadFront) && std::isfinite(ev.leadRear);
    for (const EndEvents* e : {&ev.front, &ev.rear})
        for (const auto* v : {&e->admission, &e->cutoff, &e->release, &e->compression})
            finite = finite && (!*v || std::isfinite(**v));
    return finite;
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

bool SolveTrusted(const MechanismModel& m)
{
    return PivotsFinite(m.Pivots) && std::isfinite(m.RadHangerAngle) && std::isfinite(m.Levels.ValveTravel) &&
           PortsFinite(m.Ports) && PistonWithinStroke(m.Ports.PistonTravel) && PistonFormulaResolves(m);
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
    bool trusted = SolveTrusted(m);

    const long steps = StepsPerTurn(step);
    PortState prev = m.Ports;
    for (long k = 1; k <= steps; ++k) {
        const double a = TurnAngle(k, steps, step);
        Solve(m, gear.revArm, gear.forward ? a : 360.0 - a);
        ev.travelMin = std::min(ev.travelMin, m.Levels.ValveTravel);
        ev.travelMax = std::max(ev.travelMax, m.Levels.ValveTravel);
        trusted = trusted && SolveTrusted(m);
        TrackEvents(ev, prev, m.Ports);
        prev = m.Ports;
    }
    ev.mechanismError = m.MechanismError || !trusted || !EventFiguresFinite(ev);
    return ev;
}

std::vector<GearEvents> SweepGears(const MechanismModel& design, const std::vector<GearChoice>& gears, double step)
{
    MechanismModel m = design;
    std::vector<GearEvents> events;
    for (const GearChoice& g : gears) events.push_back(SweepGearEvents(m, ResolveGear(m, g), step));
    return events;
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
    s.mechanismError = m.MechanismError || !SolveTrusted(m);
    return s;
}

}  // namespace zeph
