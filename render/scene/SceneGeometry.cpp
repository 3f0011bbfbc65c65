// Screen points of the pivots and the cylinder-section outlines, mapped with the tick's view.
#include "render/scene/SceneGeometry.h"

#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

ScreenOutlines MapOutlines(const MechanismModel& m, const ViewTriple& v)
{
    const CylDims& c = m.Cyl;
    auto sx = [&v](Real x) { return ScreenX(v, x); };
    auto sy = [&v](Real y) { return ScreenY(v, y); };
    const Real e = c.CylCentreX, yc = m.CylCLHeight(), yv = m.ValveCLHeight();
    const Real Lc = c.CylBoreLen, Dc = c.CylBoreDia, Lv = c.ValveBoreLen, Dv = c.ValveBoreDia;
    const Real po = c.ValvePortOffset, pr = c.ValvePortWidthRear, pf = c.ValvePortWidthFront;
    const Real cw = c.CylPortWidth;
    const Real x3 = m.Pivots[Crosshead].x, x4 = m.Pivots[ValveJoint].x;
    const Real R = c.PistonRodLen, W = c.PistonWidth, J = c.ValveJointOffset, I = c.ValveInsideEdge;
    const Real Wr = c.ValveEndWidthRear, Wf = c.ValveEndWidthFront;
    const int32_t vt = sy(yv + Dv / 2), vb = sy(yv - Dv / 2);
    const int32_t ct = sy(yc + Dc / 2), cb = sy(yc - Dc / 2);

    ScreenOutlines o;
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
    return o;
}

}  // namespace

SceneGeometry MapScene(const MechanismModel& m)
{
    const ViewTriple& v = m.MappedView;
    SceneGeometry g;
    for (size_t i = 0; i < g.pivots.size(); ++i) g.pivots[i] = {ScreenX(v, m.Pivots[i].x), ScreenY(v, m.Pivots[i].y)};
    g.outlines = MapOutlines(m, v);
    return g;
}

}  // namespace zeph
