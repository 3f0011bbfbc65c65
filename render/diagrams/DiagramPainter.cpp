// Dispatch from a computed diagram to its painter.
#include "render/diagrams/DiagramPainter.h"

#include "model/linkage/ViewTransform.h"
#include "render/diagrams/OvalDiagramPainter.h"
#include "render/diagrams/PortsDiagramPainter.h"
#include "render/diagrams/SineDiagramPainter.h"
#include "render/diagrams/SteamDiagramPainter.h"

namespace zeph {

QSize ClientSizeOf(DiagramKind kind) { return kind == DiagramKind::Oval ? OvalClientSize : DiagramClientSize; }

QSize PictureSizeOf(DiagramKind kind, TextScale ts)
{
    const QSize client = ClientSizeOf(kind);
    return {RoundInt(client.width() * Real(ts.x)), client.height()};
}

DiagramFrameState PaintDiagram(Canvas& c, const MechanismModel& m, const DiagramData& data,
                               const QString& storedUndoLine, TextScale ts)
{
    if (const auto* valve = std::get_if<ValveDiagramData>(&data))
        return valve->kind == ValveDiagram::Sine ? PaintSineDiagram(c, m, *valve, storedUndoLine, ts)
                                                 : PaintOvalDiagram(c, m, *valve, storedUndoLine, ts);
    if (const auto* steam = std::get_if<SteamDiagramData>(&data)) return PaintSteamDiagram(c, m, *steam, storedUndoLine, ts);
    return PaintPortsDiagram(c, m, std::get<PortsDiagramData>(data), storedUndoLine, ts);
}

QImage PaintDiagramImage(const MechanismModel& m, const DiagramData& data, QString& undoLine, TextScale ts)
{
    QImage image(ClientSizeOf(KindOf(data)), QImage::Format_RGB32);
    ImageCanvas canvas(image);
    EraseDiagram(canvas);
    undoLine = PaintDiagram(canvas, m, data, undoLine, ts).undoLine;
    return image;
}

}  // namespace zeph
