// The port events sweep: rows, the eight events against a brute-force sweep, links and the cycle columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "ModelTestSupport.h"
#include "model/diagrams/PortEvents.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"

namespace zeph {
namespace {

using test::DiagramModel;

TEST(PortEvents, RowsRunFromMidGearToFullGearUpTheGraph)
{
    MechanismModel m = DiagramModel();
    const PortEventsData fwd = ComputePortEvents(m, PortGraph::Forward);
    const PortEventsData rev = ComputePortEvents(m, PortGraph::Reverse);
    EXPECT_EQ(fwd.rows[0].revArm, m.RevArmCentre);
    EXPECT_FLOAT_EQ(fwd.rows[18].revArm, m.RevArmCentre + m.Frame.RevArmMax);
    EXPECT_FLOAT_EQ(rev.rows[18].revArm, m.RevArmCentre - m.Frame.RevArmMax);
    EXPECT_FLOAT_EQ(fwd.rows[9].revArm - fwd.rows[8].revArm, m.Frame.RevArmMax / 18);
}

TEST(PortEvents, FrontEventsAreThoseOfTheFrontPorts)
{
    EXPECT_TRUE(IsFrontPortEvent(PortEvent::FrontExhaustCloses));
    EXPECT_FALSE(IsFrontPortEvent(PortEvent::RearSteamOpens));
}

// What each event means: which opening it watches (front steam, front exhaust, rear steam, rear
// exhaust) and whether the port opens or closes there.
struct Meaning {
    int opening;
    bool opens;
};
Meaning MeaningOf(PortEvent e)
{
    switch (e) {
    case PortEvent::FrontSteamOpens: return {0, true};
    case PortEvent::FrontExhaustOpens: return {1, true};
    case PortEvent::RearSteamOpens: return {2, true};
    case PortEvent::RearExhaustOpens: return {3, true};
    case PortEvent::FrontSteamCloses: return {0, false};
    case PortEvent::FrontExhaustCloses: return {1, false};
    case PortEvent::RearSteamCloses: return {2, false};
    case PortEvent::RearExhaustCloses: return {3, false};
    }
    return {};
}

// The four openings worked out from the cylinder dimensions, positive while the port is open:
// the valve centre's way forwards from the bore centre against the edge of each port. The steam
// edges stand a steam lap (port offset less inside edge) from the centre; an exhaust edge is the
// steam edge moved by its port's width less the valve head's width.
std::array<Real, 4> OpeningsFromEdges(const MechanismModel& m)
{
    const CylDims& c = m.Cyl;
    const Real valve = Real(m.Pivots[ValveJoint].x) + c.ValveJointOffset - c.CylCentreX;
    const Real steamEdge = Real(c.ValvePortOffset) - c.ValveInsideEdge;
    const Real frontExhaustEdge = steamEdge + c.ValvePortWidthFront - c.ValveEndWidthFront;
    const Real rearExhaustEdge = steamEdge + c.ValvePortWidthRear - c.ValveEndWidthRear;
    return {valve - steamEdge, frontExhaustEdge - valve, -valve - steamEdge, valve + rearExhaustEdge};
}

// One row swept by brute force over the diagram's turn (from 4 degrees on, in the graph's
// direction) in steps of 1/20 degree: for each event, every piston position where it happens.
std::array<std::vector<Real>, PortEventCount> SweptByBruteForce(MechanismModel m, float revArm, int direction)
{
    std::array<std::vector<Real>, PortEventCount> met;
    std::array<Real, 4> prev{};
    m.RevArmPosition = revArm;
    for (int k = 0; k <= 7200; ++k) {
        const Real angle = direction * (4 + k / 20.0L);
        m.DriverAngle = static_cast<float>(angle < 0 ? angle + 360 : angle);
        SolveLinkage(m);
        const std::array<Real, 4> now = OpeningsFromEdges(m);
        for (int e = 0; e < PortEventCount && k > 0; ++e) {
            const Meaning w = MeaningOf(PortEvent(e));
            const Real before = prev[w.opening], after = now[w.opening];
            if (w.opens ? (before < 0 && after >= 0) : (before > 0 && after <= 0))
                met[e].push_back(PistonTravelAt(m, angle));
        }
        prev = now;
    }
    return met;
}

TEST(PortEvents, AgreeWithABruteForceSweepOfTheValveAgainstThePortEdges)
{
    MechanismModel m = DiagramModel();
    m.Cyl.ValvePortWidthRear = 0.25f;  // ports of unlike width tell front from rear
    for (PortGraph graph : {PortGraph::Forward, PortGraph::Reverse}) {
        const PortEventsData d = ComputePortEvents(m, graph);
        for (int row : {0, 7, 13, 18}) {
            const auto met = SweptByBruteForce(m, d.rows[row].revArm, graph == PortGraph::Forward ? 1 : -1);
            for (int e = 0; e < PortEventCount; ++e) {
                const auto hits = std::count_if(d.rows[row].hits.begin(), d.rows[row].hits.end(),
                                                [e](const PortEventHit& h) { return int(h.event) == e; });
                ASSERT_EQ(size_t(hits), met[e].size()) << row << " event " << e;
                if (!met[e].empty()) {
                    EXPECT_NEAR(*d.rows[row].found[e], met[e].back(), 1.0) << row << " event " << e;
                }
            }
        }
    }
}

// Each port opens and closes in turn through a row; and on each end's strokes steam is cut off
// before the exhaust opens, and the exhaust closes (compression) before steam is admitted again.
TEST(PortEvents, EachPortOpensAndClosesInTurnAndEachEndRunsItsCycleInOrder)
{
    MechanismModel m = DiagramModel();
    for (PortGraph graph : {PortGraph::Forward, PortGraph::Reverse}) {
        const PortEventsData d = ComputePortEvents(m, graph);
        for (int row = 0; row < PortRows; ++row) {
            std::array<std::optional<bool>, 4> lastOpened{};
            for (const PortEventHit& hit : d.rows[row].hits) {
                const Meaning w = MeaningOf(hit.event);
                EXPECT_NE(lastOpened[w.opening], w.opens) << row << " event " << int(hit.event);
                lastOpened[w.opening] = w.opens;
            }
            const auto& f = d.rows[row].found;
            auto front = [&f](PortEvent e) { return FrontPercent(*f[int(e)]); };
            auto rear = [&f](PortEvent e) { return RearPercent(*f[int(e)]); };
            EXPECT_LT(front(PortEvent::FrontSteamCloses), front(PortEvent::FrontExhaustOpens)) << row;
            EXPECT_GT(front(PortEvent::FrontExhaustCloses), front(PortEvent::FrontSteamOpens)) << row;
            EXPECT_LT(rear(PortEvent::RearSteamCloses), rear(PortEvent::RearExhaustOpens)) << row;
            EXPECT_GT(rear(PortEvent::RearExhaustCloses), rear(PortEvent::RearSteamOpens)) << row;
        }
    }
}

TEST(PortEvents, EveryEventOnceARowInTheDefaultForwardGraph)
{
    MechanismModel m = DiagramModel();
    const PortEventsData d = ComputePortEvents(m, PortGraph::Forward);
    for (const PortEventRow& row : d.rows) {
        EXPECT_EQ(row.hits.size(), size_t(PortEventCount));
        for (const auto& f : row.found) EXPECT_TRUE(f.has_value());
    }
    // The figures of `zepharin-report ports` for the default design, in percent of stroke from
    // the end each port serves: the front cut-off grows from 3.87 in mid gear to 85.40 at full
    // gear, and the annotated row holds the eight events in their order.
    auto percent = [&d](int row, PortEvent e) {
        const Real piston = *d.rows[row].found[int(e)];
        return IsFrontPortEvent(e) ? FrontPercent(piston) : RearPercent(piston);
    };
    EXPECT_NEAR(percent(0, PortEvent::FrontSteamCloses), 3.8746, 0.0002);
    EXPECT_NEAR(percent(18, PortEvent::FrontSteamCloses), 85.4011, 0.0002);
    const double annotated[PortEventCount] = {0.2829, 91.8773, 0.1874, 89.3371, 73.2748, 10.6629, 67.9795, 8.1227};
    for (int e = 0; e < PortEventCount; ++e) EXPECT_NEAR(percent(AnnotatedRow, PortEvent(e)), annotated[e], 0.0002) << e;
}

TEST(PortEvents, LinksJoinEachEventToWhereItWasLastMet)
{
    MechanismModel m = DiagramModel();
    // A wide steam lap keeps the steam ports shut near mid gear.
    m.Cyl.ValveInsideEdge = 0.9f;
    const PortEventsData d = ComputePortEvents(m, PortGraph::Forward);
    const auto opens = int(PortEvent::FrontSteamOpens);
    EXPECT_FALSE(d.rows[0].found[opens].has_value());
    std::array<std::optional<float>, PortEventCount> last{};
    int linked = 0, first = 0;
    for (int row = 0; row < PortRows; ++row) {
        for (const PortEventHit& hit : d.rows[row].hits) {
            const int e = int(hit.event);
            if (!last[e]) {
                EXPECT_FALSE(hit.linkedFrom.has_value()) << row;  // nothing leads into the lowest point
                ++first;
            } else {
                ASSERT_TRUE(hit.linkedFrom.has_value());
                EXPECT_EQ(*hit.linkedFrom, *last[e]);
                ++linked;
            }
            last[e] = hit.piston;
        }
    }
    EXPECT_EQ(first, PortEventCount);
    EXPECT_GT(linked, 0);
}

TEST(PortEvents, RestoresTheDriveAndSurvivesAZeroMaximum)
{
    MechanismModel m = DiagramModel();
    m.DriverAngle = 33.0f;
    m.RevArmPosition = 4.4f;
    m.LastDiagramRevArmPos = 1.0f;
    ComputePortEvents(m, PortGraph::Reverse);
    EXPECT_EQ(m.DriverAngle, 33.0f);
    EXPECT_EQ(m.RevArmPosition, 4.4f);
    EXPECT_EQ(m.LastDiagramRevArmPos, 1.0f);  // the port diagram does not plot the list

    m.Frame.RevArmMax = 0.0f;
    const PortEventsData d = ComputePortEvents(m, PortGraph::Forward);
    EXPECT_EQ(d.rows[18].revArm, m.RevArmCentre);
}

TEST(PortEvents, ModesComputeTheirGraphsInDrawingOrder)
{
    MechanismModel m = DiagramModel();
    const PortsDiagramData fwd = ComputePortsDiagram(m, PortsMode::Forward);
    ASSERT_EQ(fwd.graphs.size(), 1u);
    EXPECT_EQ(fwd.graphs[0].graph, PortGraph::Forward);
    const PortsDiagramData both = ComputePortsDiagram(m, PortsMode::Both);
    ASSERT_EQ(both.graphs.size(), 2u);
    EXPECT_EQ(both.graphs[0].graph, PortGraph::Forward);
    EXPECT_EQ(both.graphs[1].graph, PortGraph::Reverse);
    EXPECT_EQ(both.graphs[1].rows[18].revArm, ComputePortsDiagram(m, PortsMode::Reverse).graphs[0].rows[18].revArm);
}

}  // namespace
}  // namespace zeph
