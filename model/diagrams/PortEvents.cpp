// The port events sweep: per row a turn in 4 degree steps, the eight crossings and their links.
#include "model/diagrams/PortEvents.h"

#include <cmath>

#include "model/diagrams/DiagramPositions.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

struct EventTest {
    PortEvent event;
    Crossing sense;
    float PortState::*opening;
};

// The test order at every step.
constexpr std::array<EventTest, PortEventCount> kTests = {{
    {PortEvent::FrontSteamOpens, Crossing::Rising, &PortState::FrontSteamOpening},
    {PortEvent::FrontExhaustOpens, Crossing::Rising, &PortState::FrontExhaustOpening},
    {PortEvent::RearSteamOpens, Crossing::Rising, &PortState::RearSteamOpening},
    {PortEvent::RearExhaustOpens, Crossing::Rising, &PortState::RearExhaustOpening},
    {PortEvent::FrontSteamCloses, Crossing::Falling, &PortState::FrontSteamOpening},
    {PortEvent::FrontExhaustCloses, Crossing::Falling, &PortState::FrontExhaustOpening},
    {PortEvent::RearSteamCloses, Crossing::Falling, &PortState::RearSteamOpening},
    {PortEvent::RearExhaustCloses, Crossing::Falling, &PortState::RearExhaustOpening},
}};

// Where each event was last met in this draw, across rows.
struct LastSeen {
    std::array<std::optional<float>, PortEventCount> piston{};
};

// Tests the eight events between the previous step and this one, in order.
void TestEvents(PortEventsData& data, int row, LastSeen& seen, const PortState& prev, const PortState& now)
{
    PortEventRow& r = data.rows[row];
    for (const EventTest& t : kTests) {
        const auto crossing = EventCrossing(t.sense, prev.*t.opening, now.*t.opening, prev.PistonTravel, now.PistonTravel);
        if (!crossing) continue;
        const float pos = static_cast<float>(*crossing);
        if (!std::isfinite(pos)) continue;
        const int idx = static_cast<int>(t.event);
        r.hits.push_back({t.event, pos, seen.piston[idx]});
        seen.piston[idx] = pos;
        r.found[idx] = pos;
    }
}

void SolveStep(MechanismModel& m, PortGraph graph)
{
    StepDriverAngle(m, graph == PortGraph::Forward ? 4 : -4);
    SolveLinkage(m);
    CalcPortOpenings(m);
}

}  // namespace

bool IsFrontPortEvent(PortEvent e)
{
    switch (e) {
    case PortEvent::FrontSteamOpens:
    case PortEvent::FrontExhaustOpens:
    case PortEvent::FrontSteamCloses:
    case PortEvent::FrontExhaustCloses: return true;
    default: return false;
    }
}

float PortRowPosition(const MechanismModel& m, PortGraph graph, int row)
{
    const Real offset = Real(row) * m.Frame.RevArmMax / 18;
    return static_cast<float>(graph == PortGraph::Forward ? m.RevArmCentre + offset : m.RevArmCentre - offset);
}

PortEventsData ComputePortEvents(MechanismModel& m, PortGraph graph)
{
    DriveStateGuard keep(m);
    PortEventsData data;
    data.graph = graph;
    data.revArmCentre = m.RevArmCentre;
    data.revArmNormal = m.Frame.RevArmNorm;
    data.revArmMax = m.Frame.RevArmMax;
    LastSeen seen;
    for (int row = 0; row < PortRows; ++row) {
        PortEventRow& r = data.rows[row];
        r.revArm = PortRowPosition(m, graph, row);
        m.RevArmPosition = r.revArm;
        m.DriverAngle = 0;
        m.Ports.PistonTravel = 0;
        PortState prev;
        for (int s = 0; s < PortSolvesPerRow; ++s) {
            SolveStep(m, graph);
            if (s >= 1) TestEvents(data, row, seen, prev, m.Ports);
            prev = m.Ports;
        }
    }
    return data;
}

PortsDiagramData ComputePortsDiagram(MechanismModel& m, PortsMode mode)
{
    PortsDiagramData data;
    data.mode = mode;
    if (mode != PortsMode::Reverse) data.graphs.push_back(ComputePortEvents(m, PortGraph::Forward));
    if (mode != PortsMode::Forward) data.graphs.push_back(ComputePortEvents(m, PortGraph::Reverse));
    return data;
}

}  // namespace zeph
