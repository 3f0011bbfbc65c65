// Any computed diagram painted by its own painter, onto a canvas or into a fresh client-sized image.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "model/diagrams/DiagramData.h"
#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/diagrams/DiagramFrame.h"

namespace zeph {

// The window's client size a diagram is drawn for.
QSize ClientSizeOf(DiagramKind kind);

// Paints a diagram computed by ComputeDiagram onto c, over whatever c holds (erase first for a
// redraw). Reads the model only.
DiagramFrameState PaintDiagram(Canvas& c, const MechanismModel& m, const DiagramData& data,
                               const QString& storedUndoLine, TextScale ts = {});

// A redraw into a fresh image of the client size: erased, then painted. `undoLine` is the undo
// line kept from the last draw and receives the new one.
QImage PaintDiagramImage(const MechanismModel& m, const DiagramData& data, QString& undoLine, TextScale ts = {});

}  // namespace zeph
