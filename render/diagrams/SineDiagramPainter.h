// The sine diagram's picture: valve travel against driver angle over one and a half turns.
#pragma once

#include <QString>

#include "model/design/MechanismModel.h"
#include "model/diagrams/ValveCurves.h"
#include "platform/Canvas.h"
#include "render/diagrams/DiagramFrame.h"

namespace zeph {

// Paints a sweep made by ComputeValveDiagram(m, ValveDiagram::Sine) onto c, over whatever c
// holds (erase first for a redraw). Reads the model only for texts and the frame end.
DiagramFrameState PaintSineDiagram(Canvas& c, const MechanismModel& m, const ValveDiagramData& data,
                                   const QString& storedUndoLine, TextScale ts);

}  // namespace zeph
