// Grid, pressure and stroke axes, traces, cut-off marks and curve numbers of the steam diagram.
#include "render/diagrams/SteamDiagramPainter.h"

#include "render/text/ReadoutFigures.h"
#include "render/diagrams/SteamPlotLayout.h"

namespace zeph {

namespace {

constexpr int EndLinesTop = 70;
constexpr int PercentLabelsY = 350, AxisTitleY = 364;
const int kTitleRows[] = {108, 123, 136, 149, 162, 175, 188, 201};

// How one end's marks are printed.
struct EndStyle {
    TColor colour;
    int headingX, indexX, percentX;
};
constexpr EndStyle FrontStyle{clGreen, 587, 588, 600};
constexpr EndStyle RearStyle{clRed, 2, 3, 15};
constexpr int CutoffHeadingY = 231;

void DrawPressureTitle(Canvas& c)
{
    DiagramText(c, 24, 77, "/");
    DiagramText(c, 29, 77, "\\");
    DiagramText(c, 28, 81, "|");
    DiagramText(c, 28, 94, "|");
    const QString cylinder = "CYLINDER", pressure = "PRESSURE";
    for (int i = 0; i < 8; ++i) {
        DiagramText(c, cylinder[i] == u'I' ? 22 : 20, kTitleRows[i], cylinder.mid(i, 1));
        DiagramText(c, 32, kTitleRows[i], pressure.mid(i, 1));
    }
}

void DrawSegment(Canvas& c, const SteamSegment& s)
{
    const SteamPixel from = SteamPixelOf(s.from), to = SteamPixelOf(s.to);
    c.MoveTo(from.x, from.y);
    c.LineTo(to.x, to.y);
}

void DrawEnd(Canvas& c, const SteamEndDraw& d, const EndStyle& style, bool rear, int index)
{
    c.SetPenColor(style.colour);
    if (d.cutoff) {
        if (d.cutoff->line) DrawSegment(c, *d.cutoff->line);
        c.SetFontColor(style.colour);
        DiagramText(c, style.headingX, CutoffHeadingY, "%CutOff");
        c.SetFontColor(clBlack);
        const int y = CutoffRowY(index);
        DiagramText(c, style.indexX, y, QString::number(index));
        DiagramText(c, style.percentX, y, ReadoutFigure(double(d.cutoff->percent), 4, 1));
    }
    if (d.trace) DrawSegment(c, *d.trace);
    if (d.label) {
        const SteamPixel at = SteamLabelPixel(rear, *d.label);
        BoldDiagramText(c, at.x, at.y, QString::number(index));
    }
}

void DrawRun(Canvas& c, TextScale ts, const SteamRun& run)
{
    DrawPositionListRow(c, ts, run.entry);
    for (const SteamStepDraw& step : run.steps) {
        DrawEnd(c, step.front, FrontStyle, false, run.entry.index);
        DrawEnd(c, step.rear, RearStyle, true, run.entry.index);
    }
}

}  // namespace

DiagramFrameState PaintSteamDiagram(Canvas& c, const MechanismModel& m, const SteamDiagramData& data,
                                    const QString& storedUndoLine, TextScale ts)
{
    BeginDiagram(c);
    DrawStrokeGrid(c, EndLinesTop);
    DrawPressureTitle(c);
    DrawStrokePercentLabels(c, PercentLabelsY, AxisTitleY);
    HorizontalLine(c, 343, 45, 585);
    DrawPositionListHeading(c, ts, data.revArmCentre);
    for (const SteamRun& run : data.runs) DrawRun(c, ts, run);
    return DrawDiagramFrameEnd(c, m, ts, storedUndoLine);
}

}  // namespace zeph
