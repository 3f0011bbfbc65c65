// Where the eight port events happen against reverse-arm position, from mid gear to full gear.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/design/MechanismModel.h"

namespace zeph {

// The eight events in the order they are tested at every step.
enum class PortEvent {
    FrontSteamOpens,
    FrontExhaustOpens,
    RearSteamOpens,
    RearExhaustOpens,
    FrontSteamCloses,
    FrontExhaustCloses,
    RearSteamCloses,
    RearExhaustCloses,
};
constexpr int PortEventCount = 8;
constexpr int PortRows = 19;          // row 0 mid gear .. row 18 full gear
constexpr int PortSolvesPerRow = 91;  // 4 degree steps, 360 degrees of events
constexpr int AnnotatedRow = 13;

bool IsFrontPortEvent(PortEvent e);

enum class PortGraph { Forward, Reverse };

// One event met in a row, and where the same event was last met before (in an earlier row),
// which the graph joins it to.
struct PortEventHit {
    PortEvent event = PortEvent::FrontSteamOpens;
    float piston = 0;                   // 0 front .. 640 rear
    std::optional<float> linkedFrom;    // the piston position it was last met at, if ever
};

struct PortEventRow {
    float revArm = 0;
    std::vector<PortEventHit> hits;  // in the order met
    // The piston position of each event in this row, the last one if met twice.
    std::array<std::optional<float>, PortEventCount> found{};
};

// The annotated row (AnnotatedRow) carries the cycle: its front events' positions in `found`.
struct PortEventsData {
    PortGraph graph = PortGraph::Forward;
    float revArmCentre = 0;
    float revArmNormal = 0, revArmMax = 0;  // the normal and the full gear, from the centre
    std::array<PortEventRow, PortRows> rows{};
};

// Which graph the port events window shows: forward, reverse, or both, the reverse graph drawn
// over the forward one without the annotated cycle.
enum class PortsMode { Forward, Reverse, Both };

// The graphs of a mode in drawing order; only the first carries the annotated cycle.
struct PortsDiagramData {
    PortsMode mode = PortsMode::Forward;
    std::vector<PortEventsData> graphs;
};

// The reverse-arm position of row i of a graph.
float PortRowPosition(const MechanismModel& m, PortGraph graph, int row);

// Runs one graph: 19 rows of 91 solves from DriverAngle 0 in the graph's direction. Saves and
// restores DriverAngle and RevArmPosition; the solves leave their pivots, levels, openings and
// error flag behind as any solve does.
PortEventsData ComputePortEvents(MechanismModel& m, PortGraph graph);

// The graphs a mode shows, each computed as above.
PortsDiagramData ComputePortsDiagram(MechanismModel& m, PortsMode mode);

}  // namespace zeph
