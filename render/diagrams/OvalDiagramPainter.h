// The oval diagram's picture: valve travel against piston position over one turn.
#pragma once

#include <QString>

#include "model/design/MechanismModel.h"
#include "model/diagrams/ValveCurves.h"
#include "platform/Canvas.h"
#include "render/diagrams/DiagramFrame.h"

namespace zeph {

// Paints a sweep made by ComputeValveDiagram(m, ValveDiagram::Oval) onto c, over whatever c
// holds (erase first for a redraw). Reads the model only for texts and the frame end.
DiagramFrameState PaintOvalDiagram(Canvas& c, const MechanismModel& m, const ValveDiagramData& data,
                                   const QString& storedUndoLine, TextScale ts);

}  // namespace zeph
