// Grid, stroke axis, scale, port lines and ovals of the oval diagram.
#include "render/diagrams/OvalDiagramPainter.h"

#include "render/diagrams/ValvePlotParts.h"

namespace zeph {

namespace {

constexpr int EndLinesTop = 84;
constexpr int PercentLabelsY = 353, AxisTitleY = 367;
constexpr int ScaleLabelX = 15;

}  // namespace

DiagramFrameState PaintOvalDiagram(Canvas& c, const MechanismModel& m, const ValveDiagramData& data,
                                   const QString& storedUndoLine, TextScale ts)
{
    BeginDiagram(c);
    DrawStrokeGrid(c, EndLinesTop);
    DrawStrokePercentLabels(c, PercentLabelsY, AxisTitleY);
    DrawValvePlot(c, data, ScaleLabelX, ts);
    return DrawDiagramFrameEnd(c, m, ts, storedUndoLine);
}

}  // namespace zeph
