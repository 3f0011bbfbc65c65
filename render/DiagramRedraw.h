// A diagram's redraw: its computation in the model, then its painter; and the same into an image.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "model/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/DiagramFrame.h"

namespace zeph {

enum class DiagramKind { Sine, Oval, Steam, Ports };

// Which graph the port events window shows: forward, reverse, or both, the reverse one drawn
// over the forward one without the annotated cycle.
enum class PortsMode { Forward, Reverse, Both };

QSize ClientSizeOf(DiagramKind kind);

// One draw of a diagram onto c, over whatever c holds (erase first for a redraw). This is the
// one place in the painters that changes the model, and only through the diagram's own
// computation in the model (the sweep saves and restores the drive and leaves the effects the
// diagram is known for: last plotted position, solved pivots, and for the steam diagram its
// phase markers and previous openings); the painting that follows only reads. In mode both
// the forward graph is drawn, then the reverse one over it, each ending with the frame end,
// so the undo line passes through both.
DiagramFrameState DrawDiagram(Canvas& c, MechanismModel& m, DiagramKind kind, PortsMode portsMode,
                              const QString& storedUndoLine);

// A fresh image of the window's client size, erased and drawn once. `undoLine` is the undo
// line kept from the last draw and receives the new one.
QImage RenderDiagramImage(MechanismModel& m, DiagramKind kind, PortsMode portsMode, QString& undoLine);

}  // namespace zeph
