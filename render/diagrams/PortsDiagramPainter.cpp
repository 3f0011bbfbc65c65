// Frame, legends, position column, event lines and the annotated cycle of the port events diagram.
#include "render/diagrams/PortsDiagramPainter.h"

#include <vector>

#include "model/linkage/ViewTransform.h"
#include "render/diagrams/PortsGraphLayout.h"
#include "render/text/ReadoutFigures.h"

namespace zeph {

namespace {

constexpr TColor clTeal = 0x808000;
constexpr TColor clMaroon = 0x000080;
constexpr int CycleY = 135, CycleTopY = 101, CycleBottomY = 169;

void DrawFrame(Canvas& c)
{
    VerticalLine(c, 9, 42, 353);
    HorizontalLine(c, 343, 9, 549);
    VerticalLine(c, 549, 353, 42);
    for (int i = 0; i <= 9; ++i) {
        const int yc = 32 * i + 55;
        for (int j = 2; j <= 20; ++j) VerticalLine(c, 27 * j - 18, yc - 3, yc + 3);
        for (int k = 2; k <= 10; ++k) VerticalLine(c, 54 * k - 45, yc - 10, yc + 10);
        for (int l = 2; l <= 22; ++l) HorizontalLine(c, yc, 27 * l - 49, 27 * l - 40);
    }
}

void DrawGearMarks(Canvas& c, const PortEventsData& data)
{
    c.SetFontColor(clRed);
    DiagramText(c, 420, 47, "Maximum");
    if (const std::optional<int32_t> normal = NormalGearRowY(data)) {
        c.SetPenColor(clBlue);
        HorizontalLine(c, *normal, 59, 650);
        c.SetFontColor(clBlue);
        DiagramText(c, 345, *normal - 7, "Normal");
    }
    c.SetFontColor(clBlack);
}

void DrawWordDown(Canvas& c, const QString& word, const std::vector<int>& rows)
{
    for (int i = 0; i < word.size(); ++i) DiagramText(c, word[i] == u'I' ? 537 : 535, rows[i], word.mid(i, 1));
}

void DrawAxes(Canvas& c)
{
    DiagramText(c, 10, 353, "0");
    for (int t = 1; t <= 9; ++t) DiagramText(c, 2 + 54 * t, 353, QString::number(10 * t));
    DiagramText(c, 529, 350, "100");
    DiagramText(c, 200, 367, "Percent Piston Travel");
    DiagramText(c, 568, 350, "Center");
    DrawWordDown(c, "REVERSE", {76, 90, 104, 118, 132, 146, 160});
    DrawWordDown(c, "ARM", {178, 192, 206});
    DrawWordDown(c, "POSITION", {224, 238, 252, 266, 280, 294, 308, 322});
}

void DrawLegend(Canvas& c, PortGraph graph)
{
    const bool forward = graph == PortGraph::Forward;
    const int y = forward ? 284 : 315;
    DiagramText(c, 415, y + 6, forward ? "Fwd." : "Rev.");
    c.SetFontColor(PortEventColour(graph, PortEvent::FrontSteamOpens));
    DiagramText(c, 446, y, "Front Port");
    c.SetFontColor(PortEventColour(graph, PortEvent::RearSteamOpens));
    DiagramText(c, 446, y + 12, "Rear Port");
    c.SetFontColor(clBlack);
}

void DrawRow(Canvas& c, const PortEventsData& data, int i)
{
    const bool forward = data.graph == PortGraph::Forward;
    const PortEventRow& row = data.rows[i];
    if (forward)
        DiagramText(c, 554, 32, "Forward");
    else
        DiagramText(c, 605, 32, "Rev.");
    DiagramText(c, forward ? 556 : 596, 336 - 16 * i, ReadoutFigure(row.revArm, 7, 3));
    for (const PortEventHit& hit : row.hits) {
        if (!hit.linkedFrom) continue;
        c.SetPenColor(PortEventColour(data.graph, hit.event));
        c.MoveTo(PortEventColumn(hit.event, *hit.linkedFrom), PortRowY(i - 1));
        c.LineTo(PortEventColumn(hit.event, hit.piston), PortRowY(i));
    }
    c.SetFontColor(clBlack);
}

// Joins the points with the current pen, from the first to the last.
void Polyline(Canvas& c, std::initializer_list<std::pair<Real, Real>> points)
{
    bool first = true;
    for (const auto& [x, y] : points) {
        if (first)
            c.MoveTo(RoundPixel(x), RoundPixel(y));
        else
            c.LineTo(RoundPixel(x), RoundPixel(y));
        first = false;
    }
}

// The cycle on row 13: arrows to cut-off, release, compression and admission with their words.
void DrawCycle(Canvas& c, const CycleColumns& col)
{
    const Real a = col.admission, cut = col.cutoff, r = col.release, k = col.compression;
    const Real y = CycleY, top = CycleTopY, bottom = CycleBottomY;
    c.SetFontBold(true);
    Polyline(c, {{cut - 110, top}, {cut - 70, top}, {cut - 20, y}, {cut, y}, {cut - 12, y - 4}, {cut - 12, y + 4}, {cut, y}});
    DiagramText(c, RoundPixel(cut + 10), 129, "Exp");
    Polyline(c, {{cut + 40, y}, {r, y}, {r - 12, y - 4}, {r - 12, y + 4}, {r, y}});
    Polyline(c, {{r + 8, y}, {549, y}, {529, bottom}, {r - 160, bottom}});
    DiagramText(c, RoundPixel(r - 190), 163, "Exh");
    Polyline(c, {{r - 200, bottom}, {k + 100, bottom}, {k + 50, y}, {k, y}, {k + 12, y - 4}, {k + 12, y + 4}, {k, y}});
    DiagramText(c, RoundPixel(k - 25), 129, "Com");
    Polyline(c, {{k - 30, y}, {a, y}, {a + 12, y + 4}, {a + 12, y - 4}, {a, y}, {9, y}, {27, top}, {cut - 150, top}});
    DiagramText(c, RoundPixel(cut - 140), 95, "Adm");
    c.SetFontBold(false);
}

}  // namespace

TColor PortEventColour(PortGraph graph, PortEvent event)
{
    const bool front = IsFrontPortEvent(event);
    if (graph == PortGraph::Forward) return front ? clTeal : clRed;
    return front ? clGreen : clMaroon;
}

DiagramFrameState PaintPortEventsGraph(Canvas& c, const MechanismModel& m, const PortEventsData& data, bool annotate,
                                       const QString& storedUndoLine, TextScale ts)
{
    BeginDiagram(c);
    DrawFrame(c);
    DrawGearMarks(c, data);
    DrawAxes(c);
    DrawLegend(c, data.graph);
    for (int i = 0; i < PortRows; ++i) DrawRow(c, data, i);
    if (annotate) DrawCycle(c, CycleColumnsOf(data));
    return DrawDiagramFrameEnd(c, m, ts, storedUndoLine);
}

DiagramFrameState PaintPortsDiagram(Canvas& c, const MechanismModel& m, const PortsDiagramData& data,
                                    const QString& storedUndoLine, TextScale ts)
{
    DiagramFrameState state;
    state.undoLine = storedUndoLine;
    bool first = true;
    for (const PortEventsData& graph : data.graphs) {
        state = PaintPortEventsGraph(c, m, graph, first, state.undoLine, ts);
        first = false;
    }
    return state;
}

}  // namespace zeph
