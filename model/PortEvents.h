// Where the eight port events happen against reverse-arm position, from mid gear to full gear.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/MechanismModel.h"

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

// Pixel row of diagram row i and the column of an event at piston position pos (0..640),
// measured from the end its port serves.
int32_t PortRowY(int row);
int32_t PortEventColumn(PortEvent e, Real pos);

// One event met in a row, with the line that joins it to where the same event was last met
// (from that column at the height of the row below to this one), when it was met before.
struct PortEventHit {
    PortEvent event = PortEvent::FrontSteamOpens;
    float piston = 0;  // 0 front .. 640 rear
    int32_t x = 0;
    struct Link {
        int32_t fromX = 0, fromY = 0, toY = 0;
    };
    std::optional<Link> link;
};

struct PortEventRow {
    float revArm = 0;
    int32_t y = 0;
    std::vector<PortEventHit> hits;  // in the order met
    // The piston position of each event in this row, the last one if met twice.
    std::array<std::optional<float>, PortEventCount> found{};
};

// The columns (unrounded) of the four front events on the annotated row; 0 where not met.
struct CycleColumns {
    Real admission = 0, cutoff = 0, release = 0, compression = 0;
};

struct PortEventsData {
    PortGraph graph = PortGraph::Forward;
    float revArmCentre = 0;
    // Row of the normal full gear for the "Normal" line; empty when it cannot be placed.
    std::optional<int32_t> normalRowY;
    std::array<PortEventRow, PortRows> rows{};
    CycleColumns cycle;
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
