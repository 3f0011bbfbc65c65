// Vertical scale, port lines, curves and mid-gear figures of the sine and oval pictures.
#include "render/diagrams/ValvePlotParts.h"

#include "model/linkage/ViewTransform.h"
#include "platform/NumberText.h"
#include "render/diagrams/DiagramFrame.h"
#include "render/text/ReadoutFigures.h"
#include "render/diagrams/ValvePlotLayout.h"

namespace zeph {

namespace {

constexpr Real FineScaleLimit = 3.75L;  // beyond it only every fifth tick is drawn

void DrawCurve(Canvas& c, const ValveDiagramData& data, const ValveCurve& curve)
{
    const QString number = StrI(curve.entry.index, 2);
    const std::vector<PlotPoint> points = CurvePoints(data, curve);
    const std::vector<CurveMark> marks = CurveMarks(data, curve);
    auto mark = marks.begin();
    for (size_t i = 1; i < points.size(); ++i) {
        for (; mark != marks.end() && mark->beforeSegment == int(i); ++mark)
            if (mark->valid) BoldDiagramText(c, mark->x, mark->y, number);
        const PlotPoint& a = points[i - 1];
        const PlotPoint& b = points[i];
        if (!a.valid || !b.valid) continue;
        c.MoveTo(a.x, a.y);
        c.LineTo(b.x, b.y);
    }
}

void DrawMidGearFigures(Canvas& c, const MidGearEvents& mid)
{
    static const char* const labels[] = {"Lead", "Lap", "ExCl", "Lap", "Lead"};
    static const int labelRows[] = {153, 182, 211, 253, 282};
    static const int valueRows[] = {166, 195, 224, 237, 266, 295};
    for (int i = 0; i < 5; ++i) DiagramText(c, 595, labelRows[i], labels[i]);
    for (int i = 0; i < 6; ++i) DiagramText(c, 592, valueRows[i], ReadoutFigure(double(mid.values[i]), 6, 3));
}

}  // namespace

void DrawTravelScale(Canvas& c, Real scale, int labelX)
{
    DiagramText(c, 9, 18, "Scale =");
    DiagramText(c, 50, 18, ReadoutFigure(double(scale), 3, 1));
    DiagramText(c, 9, 32, "Units Travel");
    DiagramText(c, 9, 46, "Front");
    DiagramText(c, 9, 374, "Rear");
    const int g = RoundInt(4 * scale);
    const bool coarse = scale > FineScaleLimit;
    for (int h = -5 * g; h <= 5 * g; ++h) {
        if (coarse && h % 5 != 0) continue;
        HorizontalLine(c, RoundPixel(h * 7.5L / scale + 215), 39, 44);
    }
    for (int l = -g; l <= g; ++l) {
        if (coarse && l % 5 != 0) continue;
        HorizontalLine(c, RoundPixel(l * 37.5L / scale + 215), 36, 44);
        DiagramText(c, labelX, RoundPixel(210 - l * 37.5L / scale), StrF(double(l * 0.1L), 0, 1));
    }
}

void DrawPortLines(Canvas& c, const ValveDiagramData& data)
{
    for (const PortLine& line : PortLines(data)) {
        if (!line.valid) continue;
        c.SetPenColor(line.front ? clLime : clRed);
        HorizontalLine(c, line.y, 15, line.endX);
        DiagramText(c, line.labelX, line.labelY, line.label);
    }
    c.SetPenColor(clBlack);
}

void DrawValveCurves(Canvas& c, const ValveDiagramData& data, TextScale ts)
{
    for (const ValveCurve& curve : data.curves) {
        DrawPositionListRow(c, ts, curve.entry);
        DrawCurve(c, data, curve);
        if (curve.midGear) DrawMidGearFigures(c, *curve.midGear);
    }
}

void DrawValvePlot(Canvas& c, const ValveDiagramData& data, int scaleLabelX, TextScale ts)
{
    DrawTravelScale(c, data.scale, scaleLabelX);
    DrawPositionListHeading(c, ts, data.revArmCentre);
    DrawPortLines(c, data);
    DrawValveCurves(c, data, ts);
}

}  // namespace zeph
