// Grid, angle axis, scale, port lines and curves of the sine diagram.
#include "render/diagrams/SineDiagramPainter.h"

#include "render/diagrams/ValvePlotParts.h"

namespace zeph {

namespace {

constexpr int ScaleLabelX = 14;

void DrawAngleGrid(Canvas& c)
{
    for (int i = 1; i <= 9; ++i) {
        const int yc = 32 * i + 55;
        for (int x = 60; x <= 580; x += 10) VerticalLine(c, x, yc - 2, yc + 2);
        for (int x = 90; x <= 540; x += 90) VerticalLine(c, x, yc - 5, yc + 5);
    }
}

void DrawAngleLabels(Canvas& c)
{
    DiagramText(c, 86, 353, "0");
    DiagramText(c, 173, 353, "90");
    DiagramText(c, 260, 353, "180");
    DiagramText(c, 350, 353, "270");
    DiagramText(c, 446, 353, "0");
    DiagramText(c, 533, 353, "90");
    DiagramText(c, 86, 367, "Driver Clockwise Rotation --->");
}

}  // namespace

DiagramFrameState PaintSineDiagram(Canvas& c, const MechanismModel& m, const ValveDiagramData& data,
                                   const QString& storedUndoLine, TextScale ts)
{
    BeginDiagram(c);
    DrawAngleGrid(c);
    DrawAngleLabels(c);
    DrawValvePlot(c, data, ScaleLabelX, ts);
    return DrawDiagramFrameEnd(c, m, ts, storedUndoLine);
}

}  // namespace zeph
