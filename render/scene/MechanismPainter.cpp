// Painting of the driver, the pivots, the fixed-pivot marks, the guide link and the rods.
#include "render/scene/MechanismPainter.h"

#include <cmath>

#include "model/linkage/ViewTransform.h"
#include "platform/Colour.h"

namespace zeph {

namespace {

// A circle of model radius r about a model point, by its mapped bounding box.
void ModelCircle(Canvas& c, const MechanismModel& m, Real x, Real y, Real r)
{
    const ViewTriple& v = m.MappedView;
    c.Ellipse(ScreenX(v, x - r), ScreenY(v, y - r), ScreenX(v, x + r), ScreenY(v, y + r));
}

void PivotCircle(Canvas& c, const MechanismModel& m, int pivot, Real r)
{
    ModelCircle(c, m, m.Pivots[pivot].x, m.Pivots[pivot].y, r);
}

void LineToPivot(Canvas& c, const SceneGeometry& g, int pivot)
{
    c.LineTo(g.pivots[pivot].x, g.pivots[pivot].y);
}

void MoveToPivot(Canvas& c, const SceneGeometry& g, int pivot)
{
    c.MoveTo(g.pivots[pivot].x, g.pivots[pivot].y);
}

// The counterweight: 140 degrees of a circle of 0.35 D, centred opposite the crank. The
// radials are screen directions at angles A -+ 110 degrees (screen y down, so clockwise).
void DrawCounterweight(Canvas& c, const MechanismModel& m, Real D)
{
    const ViewTriple& v = m.MappedView;
    const Real z = v.scale, ox = v.panX, oy = v.panY;
    const Real a1 = (Real(m.DriverAngle) - 110) * Pi / 180;
    const Real a2 = (Real(m.DriverAngle) + 110) * Pi / 180;
    const Real r = 0.35L * D;
    c.Arc(ScreenX(v, -r), ScreenY(v, -r), ScreenX(v, r), ScreenY(v, r),
          RoundPixel(D * std::cos(a1) * z + ox), RoundPixel(D * std::sin(a1) * z + oy),
          RoundPixel(D * std::cos(a2) * z + ox), RoundPixel(D * std::sin(a2) * z + oy));
}

}  // namespace

void DrawDriverAndPivots(Canvas& c, const MechanismModel& m)
{
    const Real D = m.Frame.DriverDia;
    c.SetPenColor(clBlack);
    PivotCircle(c, m, DriverCentre, D / 2);
    DrawCounterweight(c, m, D);
    PivotCircle(c, m, DriverCentre, 0.08L * D);
    PivotCircle(c, m, CrankPin, 0.05L * D);
    PivotCircle(c, m, Crosshead, 0.04L * D);
    for (int p : {ValveJoint, BellCrankValvePin, BellCrankPivot, BellCrankPivotCopy, BellCrankYokePin, EccRodFrontEnd,
                  HangerJoint})
        PivotCircle(c, m, p, 0.02L * D);
    PivotCircle(c, m, EccCrankPin, 0.04L * D);
    PivotCircle(c, m, HangerTopPin, 0.02L * D);
    for (int p : {RevArmAuxPin, RevArmPivot, RevArmPivotCopy, RevArmTop}) PivotCircle(c, m, p, 0.02L * D);
}

void DrawFixedPivotMarks(Canvas& c, const SceneGeometry& g)
{
    c.SetPenColor(clRed);
    for (int p : {FrameOrigin, BellCrankPivot, GuideLinkCentre, RevArmPivot}) {
        const int x = g.pivots[p].x, y = g.pivots[p].y;
        c.MoveTo(x + 5, y + 5);
        c.LineTo(x - 6, y - 6);
        c.MoveTo(x + 5, y - 5);
        c.LineTo(x - 6, y + 6);
    }
}

void DrawGuideLink(Canvas& c, const MechanismModel& m)
{
    const Real R = m.Frame.GuideLinkRadius;
    const Real x = m.Pivots[GuideLinkCentre].x, y = m.Pivots[GuideLinkCentre].y;
    const ViewTriple& v = m.MappedView;
    c.Arc(ScreenX(v, x - R), ScreenY(v, y - R), ScreenX(v, x + R), ScreenY(v, y + R),
          ScreenX(v, x + R / 2), ScreenY(v, y + R), ScreenX(v, x - R / 2), ScreenY(v, y + R));
}

void DrawRods(Canvas& c, const SceneGeometry& g)
{
    struct Leg {
        TColor colour;
        int to;
    };
    MoveToPivot(c, g, Crosshead);
    const Leg valveTrain[] = {{clRed, CrankPin},        {clLime, EccCrankPin},  {clBlue, EccRodFrontEnd},
                              {clAqua, BellCrankYokePin}, {clFuchsia, BellCrankPivot}, {clFuchsia, BellCrankValvePin},
                              {clLime, ValveJoint}};
    for (const Leg& leg : valveTrain) {
        c.SetPenColor(leg.colour);
        LineToPivot(c, g, leg.to);
    }
    MoveToPivot(c, g, HangerJoint);
    c.SetPenColor(clFuchsia);
    LineToPivot(c, g, HangerTopPin);
    c.SetPenColor(clBlue);
    LineToPivot(c, g, AuxRodCorner);
    LineToPivot(c, g, RevArmAuxPin);
    MoveToPivot(c, g, RevArmPivot);
    c.SetPenColor(clLime);
    LineToPivot(c, g, RevArmTop);
    c.SetPenColor(clBlack);
    c.LineTo(g.pivots[DriverCentre].x, g.pivots[RevArmTop].y);
}

}  // namespace zeph
