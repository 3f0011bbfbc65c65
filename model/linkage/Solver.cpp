// Closed-form constructions of the valve gear, one step after the other, no iteration.
//
// Direction angles are carried as cosine-sine pairs: each construction's principal
// arctangent and arcsine become the pair 1/sqrt(1+q^2), q/sqrt(1+q^2) and sqrt(1-t^2), t,
// and sums of angles are rotations, so no construction calls a trigonometric function.
// Everything that depends only on the dimensions and the reverse-arm setting is worked out
// once and kept until one of them changes: a turn of the driver in one gear solves only the
// driver's side of the linkage.
#include "model/linkage/Solver.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "model/linkage/Guards.h"

namespace zeph {

namespace {

using Dir = CosSin;

// Principal values: both have a positive cosine, as the constructions rely on.
Dir Arctan(Real q)
{
    const Real c = 1 / std::sqrt(1 + q * q);
    return {c, q * c};
}
Dir Arcsin(Real t) { return {std::sqrt(1 - t * t), t}; }

Dir operator+(Dir a, Dir b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }
Dir operator-(Dir a, Dir b) { return {a.c * b.c + a.s * b.s, a.s * b.c - a.c * b.s}; }
Dir QuarterBack(Dir a) { return {a.s, -a.c}; }  // the angle less 90 degrees
Dir QuarterOn(Dir a) { return {-a.s, a.c}; }    // the angle plus 90 degrees

Real Distance(Real x1, Real y1, Real x2, Real y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// Law-of-cosines quotient of the angle at the first pivot of a two-circle intersection,
// where d is the pivot distance, r the radius about the first pivot (already guarded as
// rGuarded) and other the radius about the second pivot.
Real CosAtFirst(bool& bent, Real d, Real r, Real rGuarded, Real other)
{
    return ClampCos(bent, (d * d + r * r - other * other) / 2 / d / rGuarded);
}

void Store(Pivot& p, Real x, Real y)
{
    p.x = static_cast<float>(x);
    p.y = static_cast<float>(y);
}

struct Point {
    float x, y;
};

void Put(Pivot& p, Point q)
{
    p.x = q.x;
    p.y = q.y;
}

// Everything a solve reads apart from the driver angle and the driver's side of the linkage:
// the lengths that fix the eccentric's phase, the reverse arm and reach rod, the guide link
// and the constant parts of the eccentric rod and bell crank, and the reverse-arm setting.
struct GearKey {
    float stroke, eccCircleDia, eccCrankLen;
    float revArm, x17, y17, revArmUpper, revArmLower, auxRodHorz, auxRodVert;
    float x12, y12, guideLinkRadius;
    float eccRodLeft, eccRodRight, bellCrankHorz, bellCrankVert, bellCrankBackSet;
};

// What the key fixes: the reverse arm and reach rod in place, and the constants of the
// driver-side constructions.
struct GearSetup {
    GearKey key;
    bool bent;           // some guard bent a value on the way
    Real halfEcc;
    Dir eccPhase;        // arcsin of the eccentric's law-of-cosines quotient
    float y18, auxRodDiag;
    Point p15, p13, p14;
    Real x13, y13;       // the hanger top pin unrounded, as the later steps use it
    Real eccRodLeftGuarded, eccRodReach, bellCrankHorzGuarded;
    Dir valveArmSet;     // arctangent of the bell crank's back set over its vertical arm
    Real valveArmLen;    // signed: negative turns the vertical arm upwards
};

GearKey KeyOf(const MechanismModel& m)
{
    const FrameDims& f = m.Frame;
    const Pivot& p12 = m.Pivots[GuideLinkCentre];
    const Pivot& p17 = m.Pivots[RevArmPivotCopy];
    return {.stroke = f.Stroke,
            .eccCircleDia = f.EccCircleDia,
            .eccCrankLen = f.EccCrankLen,
            .revArm = m.RevArmPosition,
            .x17 = p17.x,
            .y17 = p17.y,
            .revArmUpper = f.RevArmUpper,
            .revArmLower = f.RevArmLower,
            .auxRodHorz = f.AuxRodHorz,
            .auxRodVert = f.AuxRodVert,
            .x12 = p12.x,
            .y12 = p12.y,
            .guideLinkRadius = f.GuideLinkRadius,
            .eccRodLeft = f.EccRodLeft,
            .eccRodRight = f.EccRodRight,
            .bellCrankHorz = f.BellCrankHorz,
            .bellCrankVert = f.BellCrankVert,
            .bellCrankBackSet = f.BellCrankBackSet};
}

// 4, first part. The eccentric's phase from the three eccentric lengths.
void SetEccentricPhase(GearSetup& g)
{
    const GearKey& k = g.key;
    const Real halfStroke = Real(k.stroke) / 2;
    const Real s = GuardDivisor(g.bent, k.stroke);
    g.halfEcc = Real(k.eccCircleDia) / 2;
    const Real t = (halfStroke * halfStroke + g.halfEcc * g.halfEcc - Real(k.eccCrankLen) * k.eccCrankLen) / s;
    const Real e = GuardDivisor(g.bent, k.eccCircleDia);
    g.eccPhase = Arcsin(ClampCos(g.bent, t / e * 2));
}

// 5 to 9. The reverse arm, the hanger top pin on the guide link and the reach rod's corner.
void PlaceReachRod(GearSetup& g)
{
    const GearKey& k = g.key;
    // 5. Reverse-arm top y: the arm stands above its fulcrum.
    const Real x17 = k.x17, y17 = k.y17, x18 = k.revArm;
    const Real armLen = Real(k.revArmUpper) + k.revArmLower;
    const Real y18 = y17 + std::sqrt(AbsRadicand(g.bent, armLen * armLen - (x18 - x17) * (x18 - x17)));
    g.y18 = static_cast<float>(y18);

    // 6. Reverse-arm pin of the auxiliary reach rod.
    const Real n = GuardDivisor(g.bent, Real(k.revArmLower) + k.revArmUpper);
    const Real x15 = x17 + (x18 - x17) * k.revArmLower / n;
    const Real y15 = y17 + (y18 - y17) * k.revArmLower / n;
    g.p15 = {static_cast<float>(x15), static_cast<float>(y15)};

    // 7. Straight length of the L-shaped auxiliary reach rod.
    g.auxRodDiag = static_cast<float>(std::sqrt(Real(k.auxRodHorz) * k.auxRodHorz + Real(k.auxRodVert) * k.auxRodVert));
    const Real diag = g.auxRodDiag;

    // 8. Hanger top pin: on the guide-link arc, AuxRodDiag from the reverse-arm pin.
    const Real x12 = k.x12, y12 = k.y12;
    const Real dx = GuardDivisor(g.bent, x12 - x15);
    const Real d = Distance(x15, y15, x12, y12);
    const Real gd = GuardDivisor(g.bent, diag);
    const Real t = CosAtFirst(g.bent, d, diag, gd, k.guideLinkRadius);
    const Dir a = QuarterBack(Arctan((y15 - y12) / dx) + Arcsin(t));
    g.x13 = x15 + diag * a.c;
    g.y13 = y15 - diag * a.s;
    g.p13 = {static_cast<float>(g.x13), static_cast<float>(g.y13)};

    // 9. Corner of the auxiliary reach rod, above the line from its pin to the hanger top.
    const Real h = GuardDivisor(g.bent, k.auxRodHorz);
    const Dir b = a - Arctan(Real(k.auxRodVert) / h);
    g.p14 = {static_cast<float>(x15 + Real(k.auxRodHorz) * b.c), static_cast<float>(y15 - Real(k.auxRodHorz) * b.s)};
}

// The constant parts of steps 10 to 13: guarded rod and arm lengths and the valve arm's set.
void SetDriverSideConstants(GearSetup& g)
{
    const GearKey& k = g.key;
    g.eccRodLeftGuarded = GuardDivisor(g.bent, k.eccRodLeft);
    g.eccRodReach = (Real(k.eccRodLeft) + k.eccRodRight) / g.eccRodLeftGuarded;
    g.bellCrankHorzGuarded = GuardDivisor(g.bent, k.bellCrankHorz);
    const Real v = GuardDivisor(g.bent, k.bellCrankVert);
    g.valveArmSet = Arctan(Real(k.bellCrankBackSet) / v);
    const Real r = std::sqrt(Real(k.bellCrankVert) * k.bellCrankVert + Real(k.bellCrankBackSet) * k.bellCrankBackSet);
    g.valveArmLen = k.bellCrankVert < 0 ? -r : r;
}

// The setup for the model's dimensions and gear, worked out again only when one of them
// changed since the last solve (compared bit for bit).
const GearSetup& SetupFor(const MechanismModel& m)
{
    thread_local GearSetup last;
    thread_local bool filled = false;
    const GearKey key = KeyOf(m);
    if (!filled || std::memcmp(&key, &last.key, sizeof key) != 0) {
        last = GearSetup{};
        last.key = key;
        SetEccentricPhase(last);
        PlaceReachRod(last);
        SetDriverSideConstants(last);
        filled = true;
    }
    return last;
}

// Direction from the axle to the eccentric crank pin: the crank's direction turned back by
// the eccentric's phase and a quarter turn. Beyond two turns either way (and for an angle that
// is not a number) the rounding of the driver angle itself outweighs everything else, and the
// summed angle is formed and its sine and cosine taken, as the construction is written, so
// that such angles place the pin exactly as that form does.
Dir EccentricDirection(const GearSetup& g, float driverAngleDeg, Dir crank)
{
    constexpr float twoTurns = 720;
    if (std::fabs(driverAngleDeg) <= twoTurns) return QuarterBack(g.eccPhase - crank);
    Dir d;
    ::sincosl(AsinByAtan(g.eccPhase.s) - Real(driverAngleDeg) * Pi / 180 - Pi / 2, &d.s, &d.c);
    return d;
}

bool Finite(const Pivot& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Whether every value the solve produced is a number: the solved pivots, the reach rod's
// length, the hanger angle and the event levels.
bool SolvedValuesFinite(const MechanismModel& m)
{
    for (int i : {CrankPin, Crosshead, ValveJoint, BellCrankValvePin, BellCrankYokePin, EccRodFrontEnd, HangerJoint,
                  EccCrankPin, HangerTopPin, AuxRodCorner, RevArmAuxPin, RevArmTop})
        if (!Finite(m.Pivots[i])) return false;
    return std::isfinite(m.AuxRodDiag) && std::isfinite(m.RadHangerAngle) && AllFinite(m.Levels);
}

}  // namespace

CosSin DriverAngleCosSin(float driverAngleDeg)
{
    thread_local uint32_t lastAngle = 0;
    thread_local CosSin last{1, 0};
    const uint32_t angle = std::bit_cast<uint32_t>(driverAngleDeg);
    if (angle != lastAngle) {
        ::sincosl(Real(driverAngleDeg) * Pi / 180, &last.s, &last.c);
        lastAngle = angle;
    }
    return last;
}

void SolveLinkage(MechanismModel& m)
{
    const FrameDims& f = m.Frame;
    auto& P = m.Pivots;
    const GearSetup& g = SetupFor(m);
    bool bent = g.bent;
    const Dir crank = DriverAngleCosSin(m.DriverAngle);
    const Real halfStroke = Real(f.Stroke) / 2;

    // 1, 5 to 9. The reverse arm and reach rod stand where the gear puts them.
    P[RevArmTop].x = m.RevArmPosition;
    P[RevArmTop].y = g.y18;
    m.AuxRodDiag = g.auxRodDiag;
    Put(P[RevArmAuxPin], g.p15);
    Put(P[HangerTopPin], g.p13);
    Put(P[AuxRodCorner], g.p14);
    const Real x13 = g.x13, y13 = g.y13;

    // 2. Crank pin.
    const Real x1 = P[DriverCentre].x, y1 = P[DriverCentre].y;
    const Real x2 = x1 + halfStroke * crank.c;
    const Real y2 = y1 - halfStroke * crank.s;
    Store(P[CrankPin], x2, y2);

    // 3. Crosshead, always ahead of the crank pin on the cylinder centre line.
    const Real y3 = P[Crosshead].y;
    const Real mainRod = f.MainRodLen;
    P[Crosshead].x = static_cast<float>(x2 + std::sqrt(AbsRadicand(bent, mainRod * mainRod - (y2 - y3) * (y2 - y3))));

    // 4. Eccentric crank pin, trailing the crank by its phase; the axle centre is the origin.
    const Dir ecc = EccentricDirection(g, m.DriverAngle, crank);
    Store(P[EccCrankPin], -g.halfEcc * ecc.c, -g.halfEcc * ecc.s);

    // 10. Hanger joint: EccRodLeft from the eccentric crank pin, RadHangerLen below the top pin.
    const Real x11 = P[EccCrankPin].x, y11 = P[EccCrankPin].y;
    Real x10, y10;
    {
        const Real dx = GuardDivisor(bent, x13 - x11);
        const Real d = Distance(x11, y11, x13, y13);
        const Real t = CosAtFirst(bent, d, f.EccRodLeft, g.eccRodLeftGuarded, f.RadHangerLen);
        const Dir b = QuarterBack(Arctan((y13 - y11) / dx) + Arcsin(t));
        x10 = x11 + Real(f.EccRodLeft) * b.c;
        y10 = y11 + Real(f.EccRodLeft) * b.s;
        Store(P[HangerJoint], x10, y10);
    }

    // 11. Front end of the eccentric rod, EccRodRight beyond the hanger joint.
    const Real x9 = x11 + (x10 - x11) * g.eccRodReach;
    const Real y9 = y11 + (y10 - y11) * g.eccRodReach;
    Store(P[EccRodFrontEnd], x9, y9);

    // 12. Bell-crank yoke pin: BellCrankHorz from the fulcrum, TransYokeLen from the rod end.
    const Real x7 = P[BellCrankPivotCopy].x, y7 = P[BellCrankPivotCopy].y;
    Dir c;
    {
        const Real dy = GuardDivisor(bent, y7 - y9);
        const Real d = Distance(x7, y7, x9, y9);
        const Real t = CosAtFirst(bent, d, f.BellCrankHorz, g.bellCrankHorzGuarded, f.TransYokeLen);
        c = QuarterOn(Arctan((x7 - x9) / dy) - Arcsin(t));
        Store(P[BellCrankYokePin], x7 - Real(f.BellCrankHorz) * c.s, y7 - Real(f.BellCrankHorz) * c.c);
    }

    // 13. Bell-crank valve pin: the vertical arm, square to the horizontal one, set back.
    const Dir e = QuarterBack(c + g.valveArmSet);
    const Real x5 = x7 - g.valveArmLen * e.s;
    const Real y5 = y7 - g.valveArmLen * e.c;
    Store(P[BellCrankValvePin], x5, y5);

    // 14. Valve joint, always ahead of the valve-rod pin on the valve centre line.
    {
        const Real y4 = P[ValveJoint].y;
        const Real rod = f.ValveConRodLen;
        P[ValveJoint].x = static_cast<float>(x5 + std::sqrt(AbsRadicand(bent, rod * rod - (y5 - y4) * (y5 - y4))));
    }

    // 15. Radius-hanger angle from the vertical, positive with the top pin ahead.
    {
        const Real dy = GuardDivisor(bent, y13 - y10);
        m.RadHangerAngle = static_cast<float>(std::atan((x13 - x10) / dy));
    }

    // 16. Valve-event levels.
    CalcEventLevels(m);

    if (bent || !SolvedValuesFinite(m)) RaiseMechanismError(m);
}

}  // namespace zeph
