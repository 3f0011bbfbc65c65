// The steam indicator simulation: phase steps per end, traces, cut-off marks and where curve numbers go.
#include "model/diagrams/SteamIndicator.h"

#include <algorithm>
#include <cmath>

#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr Real StrokeUnits = 640;
constexpr Real AdmissionCap = 303;
constexpr Real ExhaustFloor = 5;
constexpr Real MinAdmissionOpening = 0.005L;

// A divisor made of piston positions: a broken linkage can put the piston anywhere, so the
// divisor is kept at least 0.00001 away from zero with its sign.
Real AwayFromZero(Real d)
{
    constexpr Real eps = 0.00001L;
    if (d >= 0 && d < eps) return eps;
    if (d < 0 && d > -eps) return -eps;
    return d;
}

void Keep(float& p, Real v)
{
    const float f = static_cast<float>(v);
    if (std::isfinite(f)) p = f;
}

bool Finite(Real a, Real b) { return std::isfinite(a) && std::isfinite(b); }

std::optional<SteamSegment> Segment(Real pos1, Real p1, Real pos2, Real p2)
{
    if (!Finite(pos1, p1) || !Finite(pos2, p2)) return std::nullopt;
    return SteamSegment{{pos1, p1}, {pos2, p2}};
}

// How one end is drawn: its openings and how its cut-off is measured.
struct EndView {
    SteamEnd& end;
    float prevSteam, steam;
    bool rear;
};

// The cut-off, trace and number of one end in step `step`; the cut-off moves the shared
// previous piston position to the interpolated point and the pressure with it.
SteamEndDraw DrawEnd(SteamSimState& s, const EndView& v, int step)
{
    SteamEndDraw d;
    SteamEnd& e = v.end;
    const bool shown = step > SteamSettleSteps;
    if (v.prevSteam > 0 && v.steam <= 0) {
        const Real f = Real(v.prevSteam) / (Real(v.prevSteam) - v.steam);
        const Real cut = s.prevPos + (Real(s.pos) - s.prevPos) * f;
        SteamCutoff c;
        if (shown) c.line = Segment(s.prevPos, e.prevP, cut, e.prevP);
        s.prevPos = static_cast<float>(cut);
        Keep(e.p, e.p - f * (Real(e.p) - e.prevP));
        c.percent = (v.rear ? StrokeUnits - s.prevPos : Real(s.prevPos)) / 6.4L;
        if (std::isfinite(c.percent)) d.cutoff = c;
    }
    if (shown) d.trace = Segment(s.prevPos, e.prevP, s.pos, e.p);
    if (e.phase == SteamPhase::Expansion && e.p > 150 && e.p < 250 && !e.labelDrawn) {
        e.labelDrawn = true;
        if (std::isfinite(s.prevPos)) d.label = s.prevPos;
    }
    return d;
}

bool HasDrawing(const SteamEndDraw& d) { return d.cutoff || d.trace || d.label; }

// One step of the simulation at one list position; returns what it draws.
SteamStepDraw RunStep(MechanismModel& m, SteamSimState& s, const SteamRun& run, int step)
{
    StepDriverAngle(m, run.forward ? SteamStepAngle : -SteamStepAngle);
    SolveLinkage(m);
    CalcPortOpenings(m);
    PortState& ports = m.Ports;
    s.pos = ports.PistonTravel;
    PhaseStep(s.front, s.prevPos, s.pos, ports.FrontSteamOpening, ports.FrontExhaustOpening);
    PhaseStep(s.rear, StrokeUnits - s.prevPos, StrokeUnits - s.pos, ports.RearSteamOpening, ports.RearExhaustOpening);
    m.Steam.FrontPhase = PhaseMarker(s.front.phase);
    m.Steam.RearPhase = PhaseMarker(s.rear.phase);

    SteamStepDraw draw;
    draw.step = step;
    if (s.front.prevP != 0) {
        draw.front = DrawEnd(s, {s.front, m.PrevFrontSteamOpening, ports.FrontSteamOpening, false}, step);
        draw.rear = DrawEnd(s, {s.rear, m.PrevRearSteamOpening, ports.RearSteamOpening, true}, step);
    }
    s.prevPos = s.pos;
    s.front.prevP = s.front.p;
    s.rear.prevP = s.rear.p;
    m.PrevFrontSteamOpening = ports.FrontSteamOpening;
    m.PrevRearSteamOpening = ports.RearSteamOpening;
    return draw;
}

}  // namespace

void ResetSteamSimulation(MechanismModel& m, SteamSimState& s)
{
    m.DriverAngle = SteamStartAngle;
    s = SteamSimState{};
    s.front.phase = SteamPhase::Exhaust;
    s.rear.phase = SteamPhase::Admission;
}

void ExhaustDecay(SteamEnd& e) { Keep(e.p, std::max<Real>(Real(e.p) - Real(e.release) / 15, ExhaustFloor)); }

void Compression(SteamEnd& e, Real prevDist, Real dist)
{
    const Real c = prevDist / AwayFromZero(dist + 1) + 0.3L;
    Keep(e.p, e.p + c * c * c * c);
}

void Admission(SteamEnd& e, float& steamOpening, Real dist)
{
    if (steamOpening < MinAdmissionOpening) steamOpening = static_cast<float>(MinAdmissionOpening);
    Keep(e.p, std::min<Real>(e.p + Real(steamOpening) * 100000 / AwayFromZero(dist + 45), AdmissionCap));
}

void Expansion(SteamEnd& e, Real prevDist, Real dist)
{
    Keep(e.p, (prevDist + 100) * e.p / AwayFromZero(dist + 100) * 0.96L);
}

void PhaseStep(SteamEnd& e, Real prevDist, Real dist, float& steamOpening, float exhaustOpening)
{
    switch (e.phase) {
    case SteamPhase::Exhaust:
        if (exhaustOpening > 0) {
            ExhaustDecay(e);
        } else {
            Compression(e, prevDist, dist);
            e.phase = SteamPhase::Compression;
        }
        break;
    case SteamPhase::Compression:
        if (steamOpening > 0) {
            Admission(e, steamOpening, dist);
            e.phase = SteamPhase::Admission;
        } else {
            Compression(e, prevDist, dist);
        }
        // Once the piston leaves this end the next steam is admission, port open or not.
        if (prevDist < dist) e.phase = SteamPhase::Admission;
        break;
    case SteamPhase::Admission:
        if (steamOpening > 0) {
            Admission(e, steamOpening, dist);
        } else {
            Expansion(e, prevDist, dist);
            e.phase = SteamPhase::Expansion;
        }
        e.labelDrawn = false;
        break;
    case SteamPhase::Expansion:
        if (exhaustOpening > 0) {
            e.release = e.p;
            ExhaustDecay(e);
            e.phase = SteamPhase::Exhaust;
        } else {
            Expansion(e, prevDist, dist);
        }
        if (steamOpening > 0) e.phase = SteamPhase::Admission;
        break;
    }
}

char PhaseMarker(SteamPhase phase)
{
    return phase == SteamPhase::Admission || phase == SteamPhase::Expansion ? '1' : '2';
}

SteamDiagramData ComputeSteamDiagram(MechanismModel& m)
{
    DriveStateGuard keep(m);
    SteamSimState s;
    ResetSteamSimulation(m, s);
    SteamDiagramData data;
    data.revArmCentre = m.RevArmCentre;
    for (const ListEntry& entry : DiagramListEntries(m)) {
        SteamRun run;
        run.entry = entry;
        run.forward = entry.revArm >= m.RevArmCentre;
        PlotPosition(m, entry.revArm);
        s.front.labelDrawn = s.rear.labelDrawn = false;
        for (int step = 1; step <= SteamStepsPerPosition; ++step) {
            SteamStepDraw draw = RunStep(m, s, run, step);
            if (draw.front.cutoff) run.frontCutoff = draw.front.cutoff->percent;
            if (draw.rear.cutoff) run.rearCutoff = draw.rear.cutoff->percent;
            if (HasDrawing(draw.front) || HasDrawing(draw.rear)) run.steps.push_back(std::move(draw));
        }
        data.runs.push_back(std::move(run));
    }
    return data;
}

}  // namespace zeph
