// The port events sweep: rows, the eight events in order, crossings, links and the cycle columns.
#include <gtest/gtest.h>

#include <vector>

#include "ModelTestSupport.h"
#include "model/PortEvents.h"

namespace zeph {
namespace {

using test::DiagramModel;

TEST(PortEvents, RowsRunFromMidGearToFullGearUpTheGraph)
{
    MechanismModel m = DiagramModel();
    const PortEventsData fwd = ComputePortEvents(m, PortGraph::Forward);
    const PortEventsData rev = ComputePortEvents(m, PortGraph::Reverse);
    EXPECT_EQ(fwd.rows[0].revArm, m.RevArmCentre);
    EXPECT_EQ(fwd.rows[0].y, 343);
    EXPECT_FLOAT_EQ(fwd.rows[18].revArm, m.RevArmCentre + m.Frame.RevArmMax);
    EXPECT_EQ(fwd.rows[18].y, 55);
    EXPECT_FLOAT_EQ(rev.rows[18].revArm, m.RevArmCentre - m.Frame.RevArmMax);
    EXPECT_FLOAT_EQ(fwd.rows[9].revArm - fwd.rows[8].revArm, m.Frame.RevArmMax / 18);
    // Normal full gear: 343 - 1.04 x 288 / 1.3.
    ASSERT_TRUE(fwd.normalRowY.has_value());
    EXPECT_EQ(*fwd.normalRowY, 113);
}

TEST(PortEvents, ColumnsMeasureFromTheEndThePortServes)
{
    EXPECT_EQ(PortEventColumn(PortEvent::FrontSteamOpens, 0), 9);
    EXPECT_EQ(PortEventColumn(PortEvent::FrontSteamCloses, 640), 549);
    EXPECT_EQ(PortEventColumn(PortEvent::RearSteamOpens, 640), 9);
    EXPECT_EQ(PortEventColumn(PortEvent::RearExhaustCloses, 0), 549);
    EXPECT_EQ(PortEventColumn(PortEvent::FrontExhaustOpens, 320), 279);
    EXPECT_TRUE(IsFrontPortEvent(PortEvent::FrontExhaustCloses));
    EXPECT_FALSE(IsFrontPortEvent(PortEvent::RearSteamOpens));
}

// The hits of one row found again by hand: 91 solves, the eight tests in their order.
std::vector<std::pair<PortEvent, float>> HitsByHand(MechanismModel m, float revArm, int direction)
{
    const struct {
        PortEvent event;
        Crossing sense;
        float PortState::*opening;
    } tests[] = {
        {PortEvent::FrontSteamOpens, Crossing::Rising, &PortState::FrontSteamOpening},
        {PortEvent::FrontExhaustOpens, Crossing::Rising, &PortState::FrontExhaustOpening},
        {PortEvent::RearSteamOpens, Crossing::Rising, &PortState::RearSteamOpening},
        {PortEvent::RearExhaustOpens, Crossing::Rising, &PortState::RearExhaustOpening},
        {PortEvent::FrontSteamCloses, Crossing::Falling, &PortState::FrontSteamOpening},
        {PortEvent::FrontExhaustCloses, Crossing::Falling, &PortState::FrontExhaustOpening},
        {PortEvent::RearSteamCloses, Crossing::Falling, &PortState::RearSteamOpening},
        {PortEvent::RearExhaustCloses, Crossing::Falling, &PortState::RearExhaustOpening},
    };
    std::vector<std::pair<PortEvent, float>> hits;
    PortState prev;
    for (int s = 0; s <= 90; ++s) {
        float a = float(4 * (s + 1) * direction);
        while (a > 360) a -= 360;
        while (a < 0) a += 360;
        test::SolveAt(m, revArm, a);
        if (s > 0)
            for (const auto& t : tests)
                if (auto p = EventCrossing(t.sense, prev.*t.opening, m.Ports.*t.opening, prev.PistonTravel,
                                           m.Ports.PistonTravel))
                    hits.push_back({t.event, float(*p)});
        prev = m.Ports;
    }
    return hits;
}

TEST(PortEvents, EventsInTestOrderWithTheCrossingRule)
{
    MechanismModel m = DiagramModel();
    for (PortGraph graph : {PortGraph::Forward, PortGraph::Reverse}) {
        const PortEventsData d = ComputePortEvents(m, graph);
        for (int row : {0, 7, 13, 18}) {
            const auto expected = HitsByHand(m, d.rows[row].revArm, graph == PortGraph::Forward ? 1 : -1);
            const auto& hits = d.rows[row].hits;
            ASSERT_EQ(hits.size(), expected.size()) << row;
            for (size_t i = 0; i < hits.size(); ++i) {
                EXPECT_EQ(hits[i].event, expected[i].first) << row << " " << i;
                EXPECT_FLOAT_EQ(hits[i].piston, expected[i].second) << row << " " << i;
                EXPECT_EQ(hits[i].x, PortEventColumn(hits[i].event, hits[i].piston));
            }
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
    // Front cut-off grows with the gear: about 3.9 per cent in mid gear, 85.4 at full gear.
    const auto cutoff = int(PortEvent::FrontSteamCloses);
    EXPECT_NEAR(*d.rows[0].found[cutoff] / 6.4, 3.9, 0.5);
    EXPECT_NEAR(*d.rows[18].found[cutoff] / 6.4, 85.4, 1.0);
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
                EXPECT_FALSE(hit.link.has_value()) << row;  // nothing leads into the lowest point
                ++first;
            } else {
                ASSERT_TRUE(hit.link.has_value());
                EXPECT_EQ(hit.link->fromX, PortEventColumn(hit.event, *last[e]));
                EXPECT_EQ(hit.link->fromY, PortRowY(row - 1));
                EXPECT_EQ(hit.link->toY, PortRowY(row));
                ++linked;
            }
            last[e] = hit.piston;
        }
    }
    EXPECT_EQ(first, PortEventCount);
    EXPECT_GT(linked, 0);
}

TEST(PortEvents, CycleColumnsComeFromRowThirteen)
{
    MechanismModel m = DiagramModel();
    const PortEventsData d = ComputePortEvents(m, PortGraph::Forward);
    const auto& f = d.rows[AnnotatedRow].found;
    const auto column = [](float pos) { return Real(pos) * 0.84375L + 9; };
    EXPECT_EQ(d.cycle.admission, column(*f[int(PortEvent::FrontSteamOpens)]));
    EXPECT_EQ(d.cycle.cutoff, column(*f[int(PortEvent::FrontSteamCloses)]));
    EXPECT_EQ(d.cycle.release, column(*f[int(PortEvent::FrontExhaustOpens)]));
    EXPECT_EQ(d.cycle.compression, column(*f[int(PortEvent::FrontExhaustCloses)]));
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
    EXPECT_FALSE(d.normalRowY.has_value());
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
