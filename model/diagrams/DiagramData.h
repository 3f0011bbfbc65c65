// Any of the four diagrams as computed: what a diagram asks of the model before it is painted.
#pragma once

#include <variant>

#include "model/design/MechanismModel.h"
#include "model/diagrams/PortEvents.h"
#include "model/diagrams/SteamIndicator.h"
#include "model/diagrams/ValveCurves.h"

namespace zeph {

enum class DiagramKind { Sine, Oval, Steam, Ports };

using DiagramData = std::variant<ValveDiagramData, SteamDiagramData, PortsDiagramData>;

// Runs a diagram's computation, with the effects on the model that the diagram has (the drive
// saved and restored, the last plotted position, the solves' pivots, levels, openings and
// error flag, and for the steam diagram its phase markers and previous steam openings).
// portsMode only matters for the port events diagram.
DiagramData ComputeDiagram(MechanismModel& m, DiagramKind kind, PortsMode portsMode = PortsMode::Forward);

DiagramKind KindOf(const DiagramData& data);

}  // namespace zeph
