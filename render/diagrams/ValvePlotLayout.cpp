// Where the sine and oval pictures put their curves, curve numbers and port lines, in pixels.
#include "render/diagrams/ValvePlotLayout.h"

#include <cmath>

#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr Real PixelsPerScale = 375;
constexpr Real ZeroRow = 215;
constexpr int SineFirstX = 58, SineStepX = 8;

PlotPoint Point(Real x, Real y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    return {RoundPixel(x), RoundPixel(y), true};
}

Real RowOffset(Real base, Real travel, Real scale) { return base - travel * PixelsPerScale / scale; }

// The number at x, level with the travel of the solve before segment `segment`, from row `base`.
CurveMark Mark(const ValveDiagramData& data, const ValveCurve& curve, Real x, Real base, int segment)
{
    const PlotPoint p = Point(x, RowOffset(base, curve.travel[static_cast<size_t>(segment - 1)], data.scale));
    return {p.x, p.y, segment, p.valid};
}

PortLine MakePortLine(const ValveDiagramData& data, int index, const char* label, Real labelBase, int labelX)
{
    const bool sine = data.kind == ValveDiagram::Sine;
    const bool front = index < 3;
    const Real sign = front ? 1 : -1;
    const float level = data.portLevels[static_cast<size_t>(index)];
    PortLine line;
    line.front = front;
    line.label = label;
    const PlotPoint row = Point(0, RowOffset(ZeroRow, sign * level, data.scale));
    const PlotPoint labelRow = Point(labelX, RowOffset(labelBase, sign * level, data.scale));
    line.valid = row.valid && labelRow.valid;
    line.y = row.y;
    line.endX = sine ? 583 : 584;
    line.labelX = labelX;
    line.labelY = labelRow.y;
    return line;
}

}  // namespace

int32_t TravelRow(Real scale, Real travel) { return RoundPixel(RowOffset(ZeroRow, travel, scale)); }

int32_t OvalColumn(Real fraction) { return RoundPixel(270.5L * fraction + 314); }

std::vector<PlotPoint> CurvePoints(const ValveDiagramData& data, const ValveCurve& curve)
{
    std::vector<PlotPoint> points;
    for (size_t i = 0; i < curve.travel.size(); ++i) {
        const Real y = RowOffset(ZeroRow, curve.travel[i], data.scale);
        if (data.kind == ValveDiagram::Sine) {
            points.push_back(Point(SineFirstX + SineStepX * Real(i), y));
        } else {
            const Real p = curve.pistonFraction[i];
            points.push_back(Point(std::isfinite(p) ? OvalColumn(p) : p, y));
        }
    }
    return points;
}

std::vector<CurveMark> CurveMarks(const ValveDiagramData& data, const ValveCurve& curve)
{
    std::vector<CurveMark> marks;
    if (data.kind == ValveDiagram::Sine) {
        if (curve.travel.size() > 1) marks.push_back(Mark(data, curve, 45, ZeroRow, 1));
        return marks;
    }
    const Real first = data.portWiderThanInsideLap ? 204 : 213, second = data.portWiderThanInsideLap ? 213 : 204;
    if (curve.travel.size() > 15) marks.push_back(Mark(data, curve, 300, first, 15));
    if (curve.travel.size() > 39) marks.push_back(Mark(data, curve, 334, second, 39));
    return marks;
}

std::array<PortLine, 6> PortLines(const ValveDiagramData& data)
{
    const bool sine = data.kind == ValveDiagram::Sine;
    const int near = sine ? 60 : 430, far = sine ? 230 : 75;
    return {MakePortLine(data, 0, "Front Steam Port Open", 199, near),
            MakePortLine(data, 1, "Front Steam Port Max", 216, near),
            MakePortLine(data, 2, "Front Exhaust Port Open", 216, far),
            MakePortLine(data, 3, "Rear Steam Port Open", 216, far),
            MakePortLine(data, 4, "Rear Steam Port Max", 199, far),
            MakePortLine(data, 5, "Rear Exhaust Port Open", 199, near)};
}

}  // namespace zeph
