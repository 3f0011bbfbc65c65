// Closed-form constructions of the valve gear, one step after the other, no iteration.
#include "model/Solver.h"

#include <cmath>

#include "model/Guards.h"

namespace zeph {

namespace {

Real Distance(Real x1, Real y1, Real x2, Real y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// Law-of-cosines quotient of the angle at the first pivot of a two-circle intersection,
// where d is the pivot distance, r the radius about the first pivot (already guarded as
// rGuarded) and other the radius about the second pivot.
Real CosAtFirst(MechanismModel& m, Real d, Real r, Real rGuarded, Real other)
{
    return ClampCos(m, (d * d + r * r - other * other) / 2 / d / rGuarded);
}

// Sine and cosine of one angle in one go.
struct SinCos {
    Real s, c;
    explicit SinCos(Real a) { ::sincosl(a, &s, &c); }
};

void Store(Pivot& p, Real x, Real y)
{
    p.x = static_cast<float>(x);
    p.y = static_cast<float>(y);
}

}  // namespace

void SolveLinkage(MechanismModel& m)
{
    const FrameDims& f = m.Frame;
    auto& P = m.Pivots;
    const Real th = Real(m.DriverAngle) * Pi / 180;
    const SinCos t0(th);
    const Real sinTh = t0.s, cosTh = t0.c;
    const Real halfStroke = Real(f.Stroke) / 2;

    // 1. Reverse-arm top x is the gear setting.
    P[RevArmTop].x = m.RevArmPosition;

    // 2. Crank pin.
    const Real x1 = P[DriverCentre].x, y1 = P[DriverCentre].y;
    const Real x2 = x1 + halfStroke * cosTh;
    const Real y2 = y1 - halfStroke * sinTh;
    Store(P[CrankPin], x2, y2);

    // 3. Crosshead, always ahead of the crank pin on the cylinder centre line.
    const Real y3 = P[Crosshead].y;
    const Real mainRod = f.MainRodLen;
    P[Crosshead].x = static_cast<float>(x2 + std::sqrt(AbsRadicand(m, mainRod * mainRod - (y2 - y3) * (y2 - y3))));

    // 4. Eccentric crank pin, its phase set by the three eccentric lengths.
    {
        const Real s = GuardDivisor(m, f.Stroke);
        const Real halfEcc = Real(f.EccCircleDia) / 2;
        Real t = (halfStroke * halfStroke + halfEcc * halfEcc - Real(f.EccCrankLen) * f.EccCrankLen) / s;
        const Real e = GuardDivisor(m, f.EccCircleDia);
        t = ClampCos(m, t / e * 2);
        const Real a = AsinByAtan(t) - th - Pi / 2;
        const SinCos sc(a);
        Store(P[EccCrankPin], -halfEcc * sc.c, -halfEcc * sc.s);
    }

    // 5. Reverse-arm top y: the arm stands above its fulcrum.
    const Real x17 = P[RevArmPivotCopy].x, y17 = P[RevArmPivotCopy].y;
    const Real x18 = P[RevArmTop].x;
    const Real armLen = Real(f.RevArmUpper) + f.RevArmLower;
    const Real y18 = y17 + std::sqrt(AbsRadicand(m, armLen * armLen - (x18 - x17) * (x18 - x17)));
    P[RevArmTop].y = static_cast<float>(y18);

    // 6. Reverse-arm pin of the auxiliary reach rod.
    const Real n = GuardDivisor(m, Real(f.RevArmLower) + f.RevArmUpper);
    const Real x15 = x17 + (x18 - x17) * f.RevArmLower / n;
    const Real y15 = y17 + (y18 - y17) * f.RevArmLower / n;
    Store(P[RevArmAuxPin], x15, y15);

    // 7. Straight length of the L-shaped auxiliary reach rod.
    m.AuxRodDiag = static_cast<float>(std::sqrt(Real(f.AuxRodHorz) * f.AuxRodHorz + Real(f.AuxRodVert) * f.AuxRodVert));
    const Real diag = m.AuxRodDiag;

    // 8. Hanger top pin: on the guide-link arc, AuxRodDiag from the reverse-arm pin.
    const Real x12 = P[GuideLinkCentre].x, y12 = P[GuideLinkCentre].y;
    Real a;
    Real x13, y13;
    {
        const Real dx = GuardDivisor(m, x12 - x15);
        a = std::atan((y15 - y12) / dx);
        const Real d = Distance(x15, y15, x12, y12);
        const Real g = GuardDivisor(m, diag);
        const Real t = CosAtFirst(m, d, diag, g, f.GuideLinkRadius);
        a = a - Pi / 2 + AsinByAtan(t);
        const SinCos sc(a);
        x13 = x15 + diag * sc.c;
        y13 = y15 - diag * sc.s;
        Store(P[HangerTopPin], x13, y13);
    }

    // 9. Corner of the auxiliary reach rod, above the line from its pin to the hanger top.
    {
        const Real h = GuardDivisor(m, f.AuxRodHorz);
        const Real b = a - std::atan(Real(f.AuxRodVert) / h);
        const SinCos sc(b);
        Store(P[AuxRodCorner], x15 + Real(f.AuxRodHorz) * sc.c, y15 - Real(f.AuxRodHorz) * sc.s);
    }

    // 10. Hanger joint: EccRodLeft from the eccentric crank pin, RadHangerLen below the top pin.
    const Real x11 = P[EccCrankPin].x, y11 = P[EccCrankPin].y;
    Real x10, y10;
    {
        const Real dx = GuardDivisor(m, x13 - x11);
        Real b = std::atan((y13 - y11) / dx);
        const Real d = Distance(x11, y11, x13, y13);
        const Real l = GuardDivisor(m, f.EccRodLeft);
        const Real t = CosAtFirst(m, d, f.EccRodLeft, l, f.RadHangerLen);
        b = b - Pi / 2 + AsinByAtan(t);
        const SinCos sc(b);
        x10 = x11 + Real(f.EccRodLeft) * sc.c;
        y10 = y11 + Real(f.EccRodLeft) * sc.s;
        Store(P[HangerJoint], x10, y10);
    }

    // 11. Front end of the eccentric rod, EccRodRight beyond the hanger joint.
    Real x9, y9;
    {
        const Real l = GuardDivisor(m, f.EccRodLeft);
        const Real k = (Real(f.EccRodLeft) + f.EccRodRight) / l;
        x9 = x11 + (x10 - x11) * k;
        y9 = y11 + (y10 - y11) * k;
        Store(P[EccRodFrontEnd], x9, y9);
    }

    // 12. Bell-crank yoke pin: BellCrankHorz from the fulcrum, TransYokeLen from the rod end.
    const Real x7 = P[BellCrankPivotCopy].x, y7 = P[BellCrankPivotCopy].y;
    Real c;
    {
        const Real dy = GuardDivisor(m, y7 - y9);
        c = std::atan((x7 - x9) / dy);
        const Real d = Distance(x7, y7, x9, y9);
        const Real h = GuardDivisor(m, f.BellCrankHorz);
        const Real t = CosAtFirst(m, d, f.BellCrankHorz, h, f.TransYokeLen);
        c = c + Pi / 2 - AsinByAtan(t);
        const SinCos sc(c);
        Store(P[BellCrankYokePin], x7 - Real(f.BellCrankHorz) * sc.s, y7 - Real(f.BellCrankHorz) * sc.c);
    }

    // 13. Bell-crank valve pin: the vertical arm, square to the horizontal one, set back.
    Real x5, y5;
    {
        const Real v = GuardDivisor(m, f.BellCrankVert);
        const Real e = c - Pi / 2 + std::atan(Real(f.BellCrankBackSet) / v);
        Real r = std::sqrt(Real(f.BellCrankVert) * f.BellCrankVert + Real(f.BellCrankBackSet) * f.BellCrankBackSet);
        if (f.BellCrankVert < 0) r = -r;
        const SinCos sc(e);
        x5 = x7 - r * sc.s;
        y5 = y7 - r * sc.c;
        Store(P[BellCrankValvePin], x5, y5);
    }

    // 14. Valve joint, always ahead of the valve-rod pin on the valve centre line.
    {
        const Real y4 = P[ValveJoint].y;
        const Real rod = f.ValveConRodLen;
        P[ValveJoint].x = static_cast<float>(x5 + std::sqrt(AbsRadicand(m, rod * rod - (y5 - y4) * (y5 - y4))));
    }

    // 15. Radius-hanger angle from the vertical, positive with the top pin ahead.
    {
        const Real dy = GuardDivisor(m, y13 - y10);
        m.RadHangerAngle = static_cast<float>(std::atan((x13 - x10) / dy));
    }

    // 16. Valve-event levels.
    CalcEventLevels(m);
}

}  // namespace zeph
