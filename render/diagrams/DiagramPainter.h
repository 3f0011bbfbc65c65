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
// The picture a diagram window shows at a text scale: the client size, widened by the scale's
// horizontal factor so that the position list spread by the large font still fits.
QSize PictureSizeOf(DiagramKind kind, TextScale ts);

// Paints a diagram computed by ComputeDiagram onto c, over whatever c holds (erase first for a
// redraw). Reads the model only.
DiagramFrameState PaintDiagram(Canvas& c, const MechanismModel& m, const DiagramData& data,
                               const QString& storedUndoLine, TextScale ts = {});

// A redraw into a fresh image of the client size: erased, then painted. `undoLine` is the undo
// line kept from the last draw and receives the new one.
QImage PaintDiagramImage(const MechanismModel& m, const DiagramData& data, QString& undoLine, TextScale ts = {});

}  // namespace zeph
