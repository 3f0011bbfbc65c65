// Painting of the dimension pointer: hourglass, the blinking line along the dimension, its name.
#include "render/PointerPainter.h"

#include "model/DimensionTable.h"

#include <cmath>

#include "model/ViewTransform.h"
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
    const ViewTriple& v;

    QPoint P(int n) const { return {m.Pivots[n].sx, m.Pivots[n].sy}; }
    QPoint O(const ScreenPt& p) const { return {p.x, p.y}; }
    QPoint M(Real x, Real y) const { return {ScreenX(v, x), ScreenY(v, y)}; }
    int MX(Real x) const { return ScreenX(v, x); }
    int MY(Real y) const { return ScreenY(v, y); }
    Real X(int n) const { return m.Pivots[n].x; }
    Real Y(int n) const { return m.Pivots[n].y; }
    // Point midway between two screen points (the outline values are pinned, so no overflow).
    static QPoint Mid(QPoint a, QPoint b) { return {(a.x() + b.x()) / 2, (a.y() + b.y()) / 2}; }
};

// The bell-crank corner: from pivot 7, the direction to pivot 8 turned a quarter turn
// counter-clockwise (model y up) and scaled by vertical arm over horizontal arm.
QPoint BellCrankCorner(const Points& p)
{
    const Real k = Real(p.m.Frame.BellCrankVert) / p.m.Frame.BellCrankHorz;
    return p.M(p.X(7) + (p.Y(7) - p.Y(8)) * k, p.Y(7) + (p.X(8) - p.X(7)) * k);
}

std::vector<QPoint> FramePath(const MechanismModel& m, const ViewTriple& view, int code)
{
    const Points p{m, view};
    const FrameDims& f = m.Frame;
    const QPoint o = p.P(0);
    const Real linkTop = p.Y(12) + Real(f.GuideLinkRadius);
    switch (code) {
    case 1: return {{p.P(1).x(), p.MY(p.Y(1) - f.DriverDia / 2.0L)}, {p.P(1).x(), p.MY(p.Y(1) + f.DriverDia / 2.0L)}};
    case 2: return {p.P(2), p.M(2 * p.X(1) - p.X(2), 2 * p.Y(1) - p.Y(2))};
    case 3: return {p.P(2), p.P(3)};
    case 4: return {p.P(11), {2 * o.x() - p.P(11).x(), 2 * o.y() - p.P(11).y()}};
    case 5: return {p.P(2), p.P(11)};
    case 6: return {p.P(10), p.P(11)};
    case 7: return {p.P(9), p.P(10)};
    case 8: return {p.P(10), p.P(13)};
    case 9: return {p.P(12), {p.P(12).x(), p.MY(linkTop)}};
    case 10: return {p.P(12), {p.P(12).x(), o.y()}};
    case 11: return {p.P(12), {o.x(), p.P(12).y()}};
    case 12: return {p.P(8), p.P(9)};
    case 13: return {p.P(6), {p.P(6).x(), o.y()}};
    case 14: return {p.P(6), {o.x(), p.P(6).y()}};
    case 15: return {p.P(6), BellCrankCorner(p)};
    case 16: return {p.P(5), BellCrankCorner(p)};
    case 17: return {p.P(6), p.P(8)};
    case 18: return {p.P(4), p.P(5)};
    case 19: return {p.P(13), p.P(14)};
    case 20: return {p.P(14), p.P(15)};
    case 21: return {p.P(15), p.P(18)};
    case 22: return {p.P(15), p.P(16)};
    case 23: return {p.P(16), {p.P(16).x(), o.y()}};
    case 24: return {p.P(16), {o.x(), p.P(16).y()}};
    case 25: return {p.M(p.X(12), linkTop), p.P(12), p.P(13)};
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
std::vector<QPoint> CylinderPath(const MechanismModel& m, const ViewTriple& view, int code)
{
    const Points p{m, view};
    const ScreenOutlines& o = m.Outlines;
    const int cylX = p.MX(p.X(1) + Real(m.Cyl.CylCentreX));
    const int valveY = o.PO[5].y;
    const QPoint valveCentre{Points::Mid(p.O(o.VR[3]), p.O(o.VF[0])).x(), valveY};
    switch (code) {
    case 101: return {p.P(1), {cylX, p.P(1).y()}};
    case 102: return {{cylX, p.P(1).y()}, {cylX, p.P(3).y()}};
    case 103: return {p.O(o.CO[4]), p.O(o.CO[5])};
    case 104: return {p.O(o.CO[3]), p.O(o.CO[4])};
    case 105: return {p.O(o.CO[2]), p.O(o.PI[1])};
    case 106: return {p.P(3), {p.MX(p.X(3) + Real(m.Cyl.PistonRodLen)), p.P(3).y()}};
    case 107: return {p.O(o.PO[0]), p.O(o.PO[3])};
    case 108: return {{o.CO[1].x, p.P(4).y()}, {o.CO[1].x, p.P(3).y()}};
    case 109: return {p.O(o.S), p.O(o.CO[0])};
    case 110: return {p.O(o.CO[0]), p.O(o.CO[7])};
    case 111: return {Points::Mid(p.O(o.PI[0]), p.O(o.PI[3])), p.O(o.PI[0])};
    case 112: return {p.O(o.CO[1]), p.O(o.PI[0])};
    case 113: return {p.O(o.PI[3]), p.O(o.CO[6])};
    case 114: return {valveCentre, {o.VF[0].x, valveY}};
    case 115: return {p.O(o.VR[0]), p.O(o.VR[3])};
    case 116: return {p.O(o.VF[0]), p.O(o.VF[3])};
    case 117: return {valveCentre, p.P(4)};
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
void DrawReverseArmBar(Canvas& c, const MechanismModel& m, int code)
{
    const ViewTriple& v = m.Pointer.LineView;
    const Real centre = m.RevArmCentre;
    const Real reach = code == 26 ? m.Frame.RevArmNorm : m.Frame.RevArmMax;
    const int y = m.Pivots[RevArmTop].sy + 5;
    c.MoveTo(ScreenX(v, centre - reach), y);
    c.LineTo(ScreenX(v, centre), y);
    FlipPenColour(c);
    c.LineTo(ScreenX(v, centre + reach), y);
    FlipPenColour(c);
}

}  // namespace

std::vector<QPoint> PointerPath(const MechanismModel& m, int code)
{
    const ViewTriple& view = m.Pointer.LineView;
    return code > CylCodeBase ? CylinderPath(m, view, code) : FramePath(m, view, code);
}

void DrawPointer(Canvas& c, const MechanismModel& m)
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
        DrawReverseArmBar(c, m, code);
    else
        DrawPath(c, PointerPath(m, code));
    c.SetFontColor(clBlack);
    c.TextOut(RoundInt(Real(m.TextScaleX) * NameX), RoundInt(Real(m.TextScaleY) * NameY), QString::fromLatin1(d->caption));
    // A pointer that ended with this tick leaves the plain font behind it.
    if (m.GraphicDimCode == 0) c.SetFontSize(PlainFontSize);
}

}  // namespace zeph
