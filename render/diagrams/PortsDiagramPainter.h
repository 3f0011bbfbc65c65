// The port events diagram's picture: where the eight port events happen against reverse-arm position.
#pragma once

#include <QString>

#include "model/design/MechanismModel.h"
#include "model/diagrams/PortEvents.h"
#include "platform/Canvas.h"
#include "render/diagrams/DiagramFrame.h"

namespace zeph {

// Paints the graphs of a mode onto c, over whatever c holds, in order: the first with the
// annotated cycle, a second (mode both: the reverse graph) over it without. Each graph ends
// with the frame end, so the undo line passes through both.
DiagramFrameState PaintPortsDiagram(Canvas& c, const MechanismModel& m, const PortsDiagramData& data,
                                    const QString& storedUndoLine, TextScale ts);

// Paints one computed graph onto c, over whatever c holds, with the annotated cycle on row 13
// when `annotate` is set. Reads the model only for texts and the frame end.
DiagramFrameState PaintPortEventsGraph(Canvas& c, const MechanismModel& m, const PortEventsData& data, bool annotate,
                                       const QString& storedUndoLine, TextScale ts);

// The pen colour of an event's lines on a graph: teal and red forward, green and maroon in reverse.
TColor PortEventColour(PortGraph graph, PortEvent event);

}  // namespace zeph
