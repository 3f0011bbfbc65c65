// Dispatch from a diagram kind to its computation, and back from a result to its kind.
#include "model/diagrams/DiagramData.h"

namespace zeph {

DiagramData ComputeDiagram(MechanismModel& m, DiagramKind kind, PortsMode portsMode)
{
    switch (kind) {
    case DiagramKind::Sine: return ComputeValveDiagram(m, ValveDiagram::Sine);
    case DiagramKind::Oval: return ComputeValveDiagram(m, ValveDiagram::Oval);
    case DiagramKind::Steam: return ComputeSteamDiagram(m);
    case DiagramKind::Ports: return ComputePortsDiagram(m, portsMode);
    }
    return ComputeValveDiagram(m, ValveDiagram::Sine);
}

DiagramKind KindOf(const DiagramData& data)
{
    if (const auto* valve = std::get_if<ValveDiagramData>(&data))
        return valve->kind == ValveDiagram::Sine ? DiagramKind::Sine : DiagramKind::Oval;
    return std::holds_alternative<SteamDiagramData>(data) ? DiagramKind::Steam : DiagramKind::Ports;
}

}  // namespace zeph
