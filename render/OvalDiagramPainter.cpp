// Grid, stroke axis, scale, port lines and ovals of the oval diagram.
#include "render/OvalDiagramPainter.h"

#include "render/ValvePlotParts.h"

namespace zeph {

namespace {

constexpr int EndLinesTop = 84;
constexpr int PercentLabelsY = 353, AxisTitleY = 367;
constexpr int ScaleLabelX = 15;

}  // namespace

DiagramFrameState PaintOvalDiagram(Canvas& c, const MechanismModel& m, const ValveDiagramData& data,
                                   const QString& storedUndoLine)
{
    BeginDiagram(c);
    DrawStrokeGrid(c, EndLinesTop);
    DrawStrokePercentLabels(c, PercentLabelsY, AxisTitleY);
    DrawValvePlot(c, m, data, ScaleLabelX);
    return DrawDiagramFrameEnd(c, m, storedUndoLine);
}

}  // namespace zeph
