// The port events sweep: per row a turn in 4 degree steps, the eight crossings and their links.
#include "model/PortEvents.h"

#include <cmath>

#include "model/DiagramPositions.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "model/ViewTransform.h"

namespace zeph {

namespace {

constexpr Real ColumnScale = 0.84375L;  // 540 pixels for the stroke
constexpr int32_t ColumnOrigin = 9;

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

void RememberCycleColumn(CycleColumns& cycle, PortEvent e, Real pos)
{
    const Real column = pos * ColumnScale + ColumnOrigin;
    switch (e) {
    case PortEvent::FrontSteamOpens: cycle.admission = column; break;
    case PortEvent::FrontSteamCloses: cycle.cutoff = column; break;
    case PortEvent::FrontExhaustOpens: cycle.release = column; break;
    case PortEvent::FrontExhaustCloses: cycle.compression = column; break;
    default: break;
    }
}

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
        PortEventHit hit{t.event, pos, PortEventColumn(t.event, pos), std::nullopt};
        if (const auto& last = seen.piston[idx])
            hit.link = PortEventHit::Link{PortEventColumn(t.event, *last), PortRowY(row - 1), r.y};
        seen.piston[idx] = pos;
        r.found[idx] = pos;
        r.hits.push_back(hit);
        if (row == AnnotatedRow) RememberCycleColumn(data.cycle, t.event, pos);
    }
}

void SolveStep(MechanismModel& m, PortGraph graph)
{
    StepDriverAngle(m, graph == PortGraph::Forward ? 4 : -4);
    SolveLinkage(m);
    CalcPortOpenings(m);
}

std::optional<int32_t> NormalRow(const MechanismModel& m)
{
    const Real y = 343 - Real(m.Frame.RevArmNorm) * 288 / m.Frame.RevArmMax;
    if (!std::isfinite(y)) return std::nullopt;
    return RoundPixel(y);
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

int32_t PortRowY(int row) { return 343 - 16 * row; }

int32_t PortEventColumn(PortEvent e, Real pos)
{
    const Real column = IsFrontPortEvent(e) ? pos * ColumnScale : 540 - pos * ColumnScale;
    return RoundPixel(column) + ColumnOrigin;
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
    data.normalRowY = NormalRow(m);
    LastSeen seen;
    for (int row = 0; row < PortRows; ++row) {
        PortEventRow& r = data.rows[row];
        r.revArm = PortRowPosition(m, graph, row);
        r.y = PortRowY(row);
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
