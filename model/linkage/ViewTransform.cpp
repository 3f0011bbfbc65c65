// Model-to-screen mapping, the zoom step, the self-centring bar rule and the cylinder outlines.
#include "model/linkage/ViewTransform.h"

#include <cmath>
#include <cstdlib>

namespace zeph {

int32_t RoundPixel(Real v)
{
    constexpr Real limit = 1000000;
    if (std::isnan(v)) return -static_cast<int32_t>(limit);
    if (v > limit) v = limit;
    if (v < -limit) v = -limit;
    return static_cast<int32_t>(std::rint(v));  // round half to even, as nearbyint, without its cost
}

int32_t RoundInt(Real v)
{
    constexpr Real limit = 2147483000.0L;
    if (std::isnan(v)) return 0;
    if (v > limit) v = limit;
    if (v < -limit) v = -limit;
    return static_cast<int32_t>(std::rint(v));  // round half to even, as nearbyint, without its cost
}

int32_t ScreenX(const ViewTriple& v, Real x)
{
    return RoundPixel(x * v.scale + v.panX);
}

int32_t ScreenY(const ViewTriple& v, Real y)
{
    return RoundPixel(-y * v.scale + v.panY);
}

int32_t ScreenX(const MechanismModel& m, Real x)
{
    return RoundPixel(x * m.ViewScale + m.ViewPanX);
}

int32_t ScreenY(const MechanismModel& m, Real y)
{
    return RoundPixel(-y * m.ViewScale + m.ViewPanY);
}

ViewTriple CurrentView(const MechanismModel& m)
{
    return {m.ViewScale, m.ViewPanX, m.ViewPanY};
}

void SetView(MechanismModel& m, const ViewTriple& v)
{
    m.ViewScale = v.scale;
    m.ViewPanX = v.panX;
    m.ViewPanY = v.panY;
}

void MapPivots(MechanismModel& m)
{
    m.MappedView = CurrentView(m);
    for (Pivot& p : m.Pivots) {
        p.sx = ScreenX(m, p.x);
        p.sy = ScreenY(m, p.y);
    }
}

Real BarStep(int32_t p, int32_t last, int32_t secondLast, Real k, int32_t small, int32_t large)
{
    Real d = 0;
    if (p > 0 && secondLast < p) d = p / k;
    if (p < 0 && secondLast < p) d = -p / k;
    if (p < 0 && p < secondLast) d = p / k;
    if (p > 0 && p < secondLast) d = -p / k;
    const int32_t moved = std::abs(p - last);
    if (moved == small) d = p / k;
    if (moved == large) d = p / k;
    return d;
}

void ApplyZoomStep(MechanismModel& m, Real d)
{
    const Real s0 = m.ViewScale, x0 = m.ViewPanX, y0 = m.ViewPanY;
    Real scale = m.ViewScale;
    if (scale > MaxViewScale) scale = MaxViewScale;
    scale = scale + scale * d * 0.01L;
    m.ViewPanX = static_cast<float>((x0 - 320) * scale / s0 + 320);
    m.ViewPanY = static_cast<float>(scale * (y0 - 240) / s0 + 240);
    if (scale > MaxViewScale) scale = MaxViewScale;
    if (scale < MinViewScale) scale = MinViewScale;
    m.ViewScale = static_cast<float>(scale);
}

void ComputeOutlines(MechanismModel& m)
{
    const CylDims& c = m.Cyl;
    auto sx = [&m](Real x) { return ScreenX(m, x); };
    auto sy = [&m](Real y) { return ScreenY(m, y); };
    const Real e = c.CylCentreX, yc = m.CylCLHeight(), yv = m.ValveCLHeight();
    const Real Lc = c.CylBoreLen, Dc = c.CylBoreDia, Lv = c.ValveBoreLen, Dv = c.ValveBoreDia;
    const Real po = c.ValvePortOffset, pr = c.ValvePortWidthRear, pf = c.ValvePortWidthFront;
    const Real cw = c.CylPortWidth;
    const Real x3 = m.Pivots[Crosshead].x, x4 = m.Pivots[ValveJoint].x;
    const Real R = c.PistonRodLen, W = c.PistonWidth, J = c.ValveJointOffset, I = c.ValveInsideEdge;
    const Real Wr = c.ValveEndWidthRear, Wf = c.ValveEndWidthFront;
    const int32_t vt = sy(yv + Dv / 2), vb = sy(yv - Dv / 2);
    const int32_t ct = sy(yc + Dc / 2), cb = sy(yc - Dc / 2);

    ScreenOutlines& o = m.Outlines;
    o.S = {sx(e - Lv / 2), vt};
    o.CO = {{{sx(e - Lv / 2), vb},
             {sx(e - po - pr), vb},
             {sx(e - Lc / 2), ct},
             {sx(e - Lc / 2), cb},
             {sx(e + Lc / 2), cb},
             {sx(e + Lc / 2), ct},
             {sx(e + po + pf), vb},
             {sx(e + Lv / 2), vb},
             {sx(e + Lv / 2), vt},
             {sx(e + Lv / 2 - 2 * pf), vt},
             {sx(e + pr), vt},
             {sx(e - Lv / 2 + 2 * pr), vt},
             {sx(e - pf), vt}}};
    o.PI = {{{sx(e - po), vb}, {sx(e - Lc / 2 + cw), ct}, {sx(e + Lc / 2 - cw), ct}, {sx(e + po), vb}}};

    const int32_t xr = sx(x3 + R - W / 2), xf = sx(x3 + R + W / 2);
    o.PO = {{{xr, ct}, {xr, cb}, {xf, cb}, {xf, ct}, {xf, sy(yc)}, {sx(x4 + J + I + Wf), sy(yv)}}};

    const int32_t top = sy(yv + Dv / 2), bottom = sy(yv - Dv / 2);
    const int32_t ro = sx(x4 + J - I - Wr), ri = sx(x4 + J - I);
    o.VR = {{{ro, top}, {ro, bottom}, {ri, bottom}, {ri, top}}};
    const int32_t fi = sx(x4 + J + I), fo = sx(x4 + J + I + Wf);
    o.VF = {{{fi, top}, {fi, bottom}, {fo, bottom}, {fo, top}}};
}

}  // namespace zeph
