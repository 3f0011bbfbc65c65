// Each diagram's computation followed by its painter, onto a canvas or into a fresh image.
#include "render/DiagramRedraw.h"

#include "model/PortEvents.h"
#include "model/SteamIndicator.h"
#include "model/ValveCurves.h"
#include "render/OvalDiagramPainter.h"
#include "render/PortsDiagramPainter.h"
#include "render/SineDiagramPainter.h"
#include "render/SteamDiagramPainter.h"

namespace zeph {

namespace {

DiagramFrameState DrawPorts(Canvas& c, MechanismModel& m, PortsMode mode, const QString& storedUndoLine)
{
    if (mode != PortsMode::Both) {
        const PortGraph graph = mode == PortsMode::Forward ? PortGraph::Forward : PortGraph::Reverse;
        return PaintPortEventsGraph(c, m, ComputePortEvents(m, graph), true, storedUndoLine);
    }
    const DiagramFrameState first =
        PaintPortEventsGraph(c, m, ComputePortEvents(m, PortGraph::Forward), true, storedUndoLine);
    return PaintPortEventsGraph(c, m, ComputePortEvents(m, PortGraph::Reverse), false, first.undoLine);
}

}  // namespace

QSize ClientSizeOf(DiagramKind kind) { return kind == DiagramKind::Oval ? OvalClientSize : DiagramClientSize; }

DiagramFrameState DrawDiagram(Canvas& c, MechanismModel& m, DiagramKind kind, PortsMode portsMode,
                              const QString& storedUndoLine)
{
    switch (kind) {
    case DiagramKind::Sine:
        return PaintSineDiagram(c, m, ComputeValveDiagram(m, ValveDiagram::Sine), storedUndoLine);
    case DiagramKind::Oval:
        return PaintOvalDiagram(c, m, ComputeValveDiagram(m, ValveDiagram::Oval), storedUndoLine);
    case DiagramKind::Steam: return PaintSteamDiagram(c, m, ComputeSteamDiagram(m), storedUndoLine);
    case DiagramKind::Ports: return DrawPorts(c, m, portsMode, storedUndoLine);
    }
    return {};
}

QImage RenderDiagramImage(MechanismModel& m, DiagramKind kind, PortsMode portsMode, QString& undoLine)
{
    QImage image(ClientSizeOf(kind), QImage::Format_RGB32);
    ImageCanvas canvas(image);
    EraseDiagram(canvas);
    undoLine = DrawDiagram(canvas, m, kind, portsMode, undoLine).undoLine;
    return image;
}

}  // namespace zeph
