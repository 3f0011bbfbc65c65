// Painting of the dimension pointer: hourglass, the blinking line along the dimension, its name.
#include "render/scene/PointerPainter.h"

#include "model/design/DimensionTable.h"

#include <cmath>

#include "model/linkage/ViewTransform.h"
#include "platform/Colour.h"

namespace zeph {

namespace {

constexpr int LinePenWidth = 3;
constexpr int NameFontSize = 14;
constexpr int PlainFontSize = 8;
constexpr int NameX = 30, NameY = 75;

// Screen points of the current tick, and model points mapped with the pointer's view at once.
struct Points {
    const MechanismModel& m;
    const SceneGeometry& g;
    const ViewTriple& v;

    QPoint P(PivotIndex n) const { return O(g.pivots[n]); }
    QPoint O(const ScreenPt& p) const { return {p.x, p.y}; }
    QPoint M(Real x, Real y) const { return {ScreenX(v, x), ScreenY(v, y)}; }
    int MX(Real x) const { return ScreenX(v, x); }
    int MY(Real y) const { return ScreenY(v, y); }
    Real X(PivotIndex n) const { return m.Pivots[n].x; }
    Real Y(PivotIndex n) const { return m.Pivots[n].y; }
    // Point midway between two screen points (the outline values are pinned, so no overflow).
    static QPoint Mid(QPoint a, QPoint b) { return {(a.x() + b.x()) / 2, (a.y() + b.y()) / 2}; }
};

// The bell-crank corner: from pivot 7, the direction to pivot 8 turned a quarter turn
// counter-clockwise (model y up) and scaled by vertical arm over horizontal arm.
QPoint BellCrankCorner(const Points& p)
{
    const Real k = Real(p.m.Frame.BellCrankVert) / p.m.Frame.BellCrankHorz;
    const Real x7 = p.X(BellCrankPivotCopy), y7 = p.Y(BellCrankPivotCopy);
    return p.M(x7 + (y7 - p.Y(BellCrankYokePin)) * k, y7 + (p.X(BellCrankYokePin) - x7) * k);
}

std::vector<QPoint> FramePath(const MechanismModel& m, const SceneGeometry& g, const ViewTriple& view, int code)
{
    const Points p{m, g, view};
    const FrameDims& f = m.Frame;
    const QPoint o = p.P(FrameOrigin);
    const Real linkTop = p.Y(GuideLinkCentre) + Real(f.GuideLinkRadius);
    switch (code) {
    case 1: {
        const int x = p.P(DriverCentre).x();
        const Real y = p.Y(DriverCentre);
        return {{x, p.MY(y - f.DriverDia / 2.0L)}, {x, p.MY(y + f.DriverDia / 2.0L)}};
    }
    case 2: return {p.P(CrankPin), p.M(2 * p.X(DriverCentre) - p.X(CrankPin), 2 * p.Y(DriverCentre) - p.Y(CrankPin))};
    case 3: return {p.P(CrankPin), p.P(Crosshead)};
    case 4: return {p.P(EccCrankPin), {2 * o.x() - p.P(EccCrankPin).x(), 2 * o.y() - p.P(EccCrankPin).y()}};
    case 5: return {p.P(CrankPin), p.P(EccCrankPin)};
    case 6: return {p.P(HangerJoint), p.P(EccCrankPin)};
    case 7: return {p.P(EccRodFrontEnd), p.P(HangerJoint)};
    case 8: return {p.P(HangerJoint), p.P(HangerTopPin)};
    case 9: return {p.P(GuideLinkCentre), {p.P(GuideLinkCentre).x(), p.MY(linkTop)}};
    case 10: return {p.P(GuideLinkCentre), {p.P(GuideLinkCentre).x(), o.y()}};
    case 11: return {p.P(GuideLinkCentre), {o.x(), p.P(GuideLinkCentre).y()}};
    case 12: return {p.P(BellCrankYokePin), p.P(EccRodFrontEnd)};
    case 13: return {p.P(BellCrankPivot), {p.P(BellCrankPivot).x(), o.y()}};
    case 14: return {p.P(BellCrankPivot), {o.x(), p.P(BellCrankPivot).y()}};
    case 15: return {p.P(BellCrankPivot), BellCrankCorner(p)};
    case 16: return {p.P(BellCrankValvePin), BellCrankCorner(p)};
    case 17: return {p.P(BellCrankPivot), p.P(BellCrankYokePin)};
    case 18: return {p.P(ValveJoint), p.P(BellCrankValvePin)};
    case 19: return {p.P(HangerTopPin), p.P(AuxRodCorner)};
    case 20: return {p.P(AuxRodCorner), p.P(RevArmAuxPin)};
    case 21: return {p.P(RevArmAuxPin), p.P(RevArmTop)};
    case 22: return {p.P(RevArmAuxPin), p.P(RevArmPivot)};
    case 23: return {p.P(RevArmPivot), {p.P(RevArmPivot).x(), o.y()}};
    case 24: return {p.P(RevArmPivot), {o.x(), p.P(RevArmPivot).y()}};
    case 25: return {p.M(p.X(GuideLinkCentre), linkTop), p.P(GuideLinkCentre), p.P(HangerTopPin)};
    default: return {};
    }
}

// Cylinder lines. Where a code's dimension has no ready-made pair of outline points the line
// is built from the outline so that it spans exactly that dimension:
//   105 port width at the bore: rear bore corner CO.2 to the rear passage's inner edge PI.1;
//   110 valve-bore length: along the chamber floor from its rear corner CO.0 to its front CO.7;
//   112 rear valve-port width: on the chamber floor from CO.1 to PI.0, the rear port opening;
//   114 valve centre to inside ring edge: along the valve centre line from the valve centre
//       (midway between the heads' inside edges) to the front head's inside edge VF.0.
// The other lines follow the same rule: each spans the dimension the code edits.
std::vector<QPoint> CylinderPath(const MechanismModel& m, const SceneGeometry& g, const ViewTriple& view, int code)
{
    const Points p{m, g, view};
    const ScreenOutlines& o = g.outlines;
    const int cylX = p.MX(p.X(DriverCentre) + Real(m.Cyl.CylCentreX));
    const int valveY = o.PO[5].y;
    const QPoint valveCentre{Points::Mid(p.O(o.VR[3]), p.O(o.VF[0])).x(), valveY};
    switch (code) {
    case 101: return {p.P(DriverCentre), {cylX, p.P(DriverCentre).y()}};
    case 102: return {{cylX, p.P(DriverCentre).y()}, {cylX, p.P(Crosshead).y()}};
    case 103: return {p.O(o.CO[4]), p.O(o.CO[5])};
    case 104: return {p.O(o.CO[3]), p.O(o.CO[4])};
    case 105: return {p.O(o.CO[2]), p.O(o.PI[1])};
    case 106: return {p.P(Crosshead), {p.MX(p.X(Crosshead) + Real(m.Cyl.PistonRodLen)), p.P(Crosshead).y()}};
    case 107: return {p.O(o.PO[0]), p.O(o.PO[3])};
    case 108: return {{o.CO[1].x, p.P(ValveJoint).y()}, {o.CO[1].x, p.P(Crosshead).y()}};
    case 109: return {p.O(o.S), p.O(o.CO[0])};
    case 110: return {p.O(o.CO[0]), p.O(o.CO[7])};
    case 111: return {Points::Mid(p.O(o.PI[0]), p.O(o.PI[3])), p.O(o.PI[0])};
    case 112: return {p.O(o.CO[1]), p.O(o.PI[0])};
    case 113: return {p.O(o.PI[3]), p.O(o.CO[6])};
    case 114: return {valveCentre, {o.VF[0].x, valveY}};
    case 115: return {p.O(o.VR[0]), p.O(o.VR[3])};
    case 116: return {p.O(o.VF[0]), p.O(o.VF[3])};
    case 117: return {valveCentre, p.P(ValveJoint)};
    default: return {};
    }
}

void DrawPath(Canvas& c, const std::vector<QPoint>& path)
{
    for (size_t i = 0; i < path.size(); ++i) {
        if (i == 0)
            c.MoveTo(path[i].x(), path[i].y());
        else
            c.LineTo(path[i].x(), path[i].y());
    }
}

// The hourglass beside the name, in fixed pixels whatever the view or text scale.
void DrawHourglass(Canvas& c)
{
    c.SetPenColor(clBlack);
    c.SetPenWidth(2);
    DrawPath(c, {{20, 100}, {44, 100}, {44, 104}, {20, 104}, {20, 100}});
    DrawPath(c, {{22, 100}, {22, 112}, {30, 120}, {30, 122}, {22, 130}, {22, 142}});
    DrawPath(c, {{42, 100}, {42, 112}, {34, 120}, {34, 122}, {42, 130}, {42, 142}});
    DrawPath(c, {{20, 142}, {44, 142}, {44, 138}, {20, 138}, {20, 142}});
    c.SetPenWidth(1);
    DrawPath(c, {{24, 136}, {32, 127}});
    DrawPath(c, {{39, 136}, {31, 127}});
    DrawPath(c, {{31, 117}, {26, 111}, {37, 111}, {31, 118}});
}

void FlipPenColour(Canvas& c)
{
    c.SetPenColor(c.PenColor() != clBlack ? clBlack : clRed);
}

// Reverse-arm travel either side of its centre, just below the arm's top pin; the two halves
// are drawn in different colours so that each half's length can be read.
void DrawReverseArmBar(Canvas& c, const MechanismModel& m, const SceneGeometry& g, int code)
{
    const ViewTriple& v = m.Pointer.LineView;
    const Real centre = m.RevArmCentre;
    const Real reach = code == 26 ? m.Frame.RevArmNorm : m.Frame.RevArmMax;
    const int y = g.pivots[RevArmTop].y + 5;
    c.MoveTo(ScreenX(v, centre - reach), y);
    c.LineTo(ScreenX(v, centre), y);
    FlipPenColour(c);
    c.LineTo(ScreenX(v, centre + reach), y);
    FlipPenColour(c);
}

}  // namespace

std::vector<QPoint> PointerPath(const MechanismModel& m, const SceneGeometry& g, int code)
{
    const ViewTriple& view = m.Pointer.LineView;
    return code > CylCodeBase ? CylinderPath(m, g, view, code) : FramePath(m, g, view, code);
}

void DrawPointer(Canvas& c, const MechanismModel& m, const SceneGeometry& g, TextScale ts)
{
    const int code = m.Pointer.ShownCode;
    if (code <= 0) return;
    DrawHourglass(c);
    c.SetPenWidth(LinePenWidth);
    c.SetFontSize(NameFontSize);
    c.SetPenColor(m.Pointer.ShownRed ? clRed : clBlack);
    const DimensionInfo* d = FindDimension(code);
    if (!d) return;
    if (code == 26 || code == 27)
        DrawReverseArmBar(c, m, g, code);
    else
        DrawPath(c, PointerPath(m, g, code));
    c.SetFontColor(clBlack);
    c.TextOut(RoundInt(Real(ts.x) * NameX), RoundInt(Real(ts.y) * NameY), QString::fromLatin1(d->caption));
    // A pointer that ended with this tick leaves the plain font behind it.
    if (m.GraphicDimCode == 0) c.SetFontSize(PlainFontSize);
}

}  // namespace zeph
