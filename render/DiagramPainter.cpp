// Dispatch from a computed diagram to its painter.
#include "render/DiagramPainter.h"

#include "render/OvalDiagramPainter.h"
#include "render/PortsDiagramPainter.h"
#include "render/SineDiagramPainter.h"
#include "render/SteamDiagramPainter.h"

namespace zeph {

QSize ClientSizeOf(DiagramKind kind) { return kind == DiagramKind::Oval ? OvalClientSize : DiagramClientSize; }

DiagramFrameState PaintDiagram(Canvas& c, const MechanismModel& m, const DiagramData& data,
                               const QString& storedUndoLine)
{
    if (const auto* valve = std::get_if<ValveDiagramData>(&data))
        return valve->kind == ValveDiagram::Sine ? PaintSineDiagram(c, m, *valve, storedUndoLine)
                                                 : PaintOvalDiagram(c, m, *valve, storedUndoLine);
    if (const auto* steam = std::get_if<SteamDiagramData>(&data)) return PaintSteamDiagram(c, m, *steam, storedUndoLine);
    return PaintPortsDiagram(c, m, std::get<PortsDiagramData>(data), storedUndoLine);
}

QImage PaintDiagramImage(const MechanismModel& m, const DiagramData& data, QString& undoLine)
{
    QImage image(ClientSizeOf(KindOf(data)), QImage::Format_RGB32);
    ImageCanvas canvas(image);
    EraseDiagram(canvas);
    undoLine = PaintDiagram(canvas, m, data, undoLine).undoLine;
    return image;
}

}  // namespace zeph
