// The diagrams' commands: the positions dialog's boxes and list, the pending redraw, a diagram's computation.
#include "ui/session/DiagramControl.h"

#include <utility>

#include "model/diagrams/DiagramPositions.h"
#include "model/design/FrameLimits.h"

namespace zeph {

void DiagramControl::LeaveDiagramPositionBox(int box, double value)
{
    if (StoreTypedPosition(m, box, PositionBoxValue(value))) Emit(Change::Dimensions);
}

void DiagramControl::LeaveDiagramScaleBox(double value)
{
    // A number of any size beyond the scale's limits is taken as the limit.
    if (StoreTypedVScale(m, ScaleBoxValue(value))) Emit(Change::Dimensions);
}

int DiagramControl::TidyDiagramPositionList()
{
    const int count = TidyDiagramPositions(m);
    Emit(Change::Dimensions);
    return count;
}

void DiagramControl::DiagramPositionsClosed() { redrawPending_ = true; }

bool DiagramControl::TakeDiagramRedrawPending() { return std::exchange(redrawPending_, false); }

DiagramData DiagramControl::ComputeDiagram(DiagramKind kind, PortsMode portsMode)
{
    DiagramData data = zeph::ComputeDiagram(m, kind, portsMode);
    Emit(Change::Dimensions);  // the last plotted position, which the design file keeps
    return data;
}

}  // namespace zeph
