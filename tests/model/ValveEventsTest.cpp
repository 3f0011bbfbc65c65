// Valve events: levels, port openings, piston travel and the cut-offs found over a turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "ModelTestSupport.h"

namespace zeph {
namespace {

using test::ForwardGear;
using test::ForwardMaxGear;
using test::ReverseGear;
using test::SolveAt;
using test::StartedModel;

TEST(ValveEvents, LevelsOfTheDefaultValve)
{
    MechanismModel m = StartedModel();
    SolveAt(m, m.RevArmCentre, 0.0f);
    const EventLevels& L = m.Levels;
    EXPECT_NEAR(L.FrontSteamOpenLevel, 0.155, 1e-6);
    EXPECT_NEAR(L.RearSteamOpenLevel, 0.155, 1e-6);
    EXPECT_NEAR(L.FrontSteamMaxLevel, 0.342, 1e-6);
    EXPECT_NEAR(L.RearSteamMaxLevel, 0.342, 1e-6);
    EXPECT_NEAR(L.FrontExhaustOpenLevel, 0.0, 1e-6);
    EXPECT_NEAR(L.RearExhaustOpenLevel, 0.0, 1e-6);
    // K = 16 - 3.176 is where the valve joint stands with the valve centred.
    EXPECT_NEAR(L.LeadFrontBase, -12.824 - 0.155, 1e-5);
    EXPECT_NEAR(L.LeadRearBase, 12.824 - 0.155, 1e-5);
    EXPECT_NEAR(L.LapFrontBase, 12.824 + 0.155, 1e-5);
    EXPECT_NEAR(L.LapRearBase, 0.155 - 12.824, 1e-5);
    EXPECT_NEAR(L.ExClFrontBase, 12.824, 1e-5);
    EXPECT_NEAR(L.ExClRearBase, -12.824, 1e-5);
}

TEST(ValveEvents, OpeningsInMidGearAtZeroDegrees)
{
    MechanismModel m = StartedModel();
    SolveAt(m, m.RevArmCentre, 0.0f);
    EXPECT_NEAR(m.Levels.ValveTravel, 0.179, 0.0006);
    EXPECT_NEAR(m.Ports.FrontSteamOpening, 0.024, 0.0006);
    EXPECT_NEAR(m.Ports.RearSteamOpening, -0.334, 0.0006);
    EXPECT_NEAR(m.Ports.FrontExhaustOpening, -0.179, 0.0006);
    EXPECT_NEAR(m.Ports.RearExhaustOpening, 0.179, 0.0006);
    EXPECT_EQ(m.Ports.PistonTravel, 0.0f);
}

// The openings come from the valve joint itself, not from the stored travel.
TEST(ValveEvents, OpeningsFollowTheValveJoint)
{
    MechanismModel m = StartedModel();
    SolveAt(m, m.RevArmCentre, 0.0f);
    const PortState before = m.Ports;
    m.Levels.ValveTravel = 5.0f;
    m.Pivots[ValveJoint].x += 0.1f;
    CalcPortOpenings(m);
    EXPECT_NEAR(m.Ports.FrontSteamOpening - before.FrontSteamOpening, 0.1, 1e-5);
    EXPECT_NEAR(m.Ports.RearSteamOpening - before.RearSteamOpening, -0.1, 1e-5);
}

TEST(ValveEvents, PistonTravelOverTheStroke)
{
    MechanismModel m = StartedModel();
    EXPECT_NEAR(PistonTravelAt(m, 0), 0.0, 1e-3);
    EXPECT_NEAR(PistonTravelAt(m, 180), 640.0, 1e-3);
    EXPECT_NEAR(PistonTravelAt(m, 90), 344.1, 0.05);
    // With the cylinder on the axle line it is the solver's crosshead, scaled to 0..640.
    SolveAt(m, m.RevArmCentre, 0.0f);
    const double front = m.Pivots[Crosshead].x;
    for (float angle = 0; angle < 360; angle += 10) {
        SolveAt(m, m.RevArmCentre, angle);
        EXPECT_NEAR(m.Ports.PistonTravel, (front - m.Pivots[Crosshead].x) / m.Frame.Stroke * 640, 2e-3) << angle;
    }
    EXPECT_FALSE(m.MechanismError);
}

// The openings take the piston travel for the driver angle they are called at, whatever was
// computed in between.
TEST(ValveEvents, PistonTravelOfTheOpeningsFollowsTheDriverAngle)
{
    MechanismModel m = StartedModel();
    SolveAt(m, ForwardGear(m), 10.0f);
    EXPECT_EQ(m.Ports.PistonTravel, PistonTravelAt(m, 10.0f));
    EXPECT_NE(PistonTravelAt(m, 200.0f), m.Ports.PistonTravel);
    CalcPortOpenings(m);
    EXPECT_EQ(m.Ports.PistonTravel, PistonTravelAt(m, 10.0f));
    m.DriverAngle = 250.0f;
    CalcPortOpenings(m);
    EXPECT_EQ(m.Ports.PistonTravel, PistonTravelAt(m, 250.0f));
}

TEST(ValveEvents, SteamAndExhaustOpeningsOfEachPortSumToAConstant)
{
    MechanismModel m = StartedModel();
    m.SetDim(115, 0.3f);  // an exhaust clearance on the rear head
    SolveAt(m, m.RevArmCentre, 0.0f);
    const float front = m.Levels.FrontExhaustOpenLevel - m.Levels.FrontSteamOpenLevel;
    const float rear = m.Levels.RearExhaustOpenLevel - m.Levels.RearSteamOpenLevel;
    for (float angle = 0; angle < 360; angle += 5) {
        SolveAt(m, ForwardGear(m), angle);
        EXPECT_NEAR(m.Ports.FrontSteamOpening + m.Ports.FrontExhaustOpening, front, 1e-5) << angle;
        EXPECT_NEAR(m.Ports.RearSteamOpening + m.Ports.RearExhaustOpening, rear, 1e-5) << angle;
    }
}

TEST(ValveEvents, CrossingRuleAndPercentOfStroke)
{
    EXPECT_FALSE(EventCrossing(Crossing::Rising, 0.1L, 0.2L, 10, 20));
    EXPECT_FALSE(EventCrossing(Crossing::Rising, 0.2L, -0.1L, 10, 20));
    EXPECT_FALSE(EventCrossing(Crossing::Rising, 0.0L, 0.1L, 10, 20));  // already open
    EXPECT_FALSE(EventCrossing(Crossing::Falling, -0.1L, 0.2L, 10, 20));
    const auto rising = EventCrossing(Crossing::Rising, -0.1L, 0.3L, 100, 140);
    ASSERT_TRUE(rising);
    EXPECT_NEAR(double(*rising), 110.0, 1e-9);
    const auto touching = EventCrossing(Crossing::Falling, 0.2L, 0.0L, 100, 140);
    ASSERT_TRUE(touching);
    EXPECT_NEAR(double(*touching), 140.0, 1e-9);
    EXPECT_NEAR(double(FrontPercent(320)), 50.0, 1e-12);
    EXPECT_NEAR(double(RearPercent(160)), 75.0, 1e-12);
}

struct TurnFigures {
    std::optional<double> frontCutoff, rearCutoff;
    float travelMin = 1e9f, travelMax = -1e9f;
};

// One forward turn in 0.1 degree steps; the first cut-off of each end is kept.
TurnFigures ForwardTurn(MechanismModel& m, float gear)
{
    TurnFigures t;
    SolveAt(m, gear, 0.0f);
    PortState prev = m.Ports;
    for (int k = 0; k <= 3600; ++k) {
        SolveAt(m, gear, k * 0.1f);
        t.travelMin = std::min(t.travelMin, m.Levels.ValveTravel);
        t.travelMax = std::max(t.travelMax, m.Levels.ValveTravel);
        const PortState& now = m.Ports;
        if (!t.frontCutoff)
            if (auto p = EventCrossing(Crossing::Falling, prev.FrontSteamOpening, now.FrontSteamOpening,
                                       prev.PistonTravel, now.PistonTravel))
                t.frontCutoff = double(FrontPercent(*p));
        if (!t.rearCutoff)
            if (auto p = EventCrossing(Crossing::Falling, prev.RearSteamOpening, now.RearSteamOpening,
                                       prev.PistonTravel, now.PistonTravel))
                t.rearCutoff = double(RearPercent(*p));
        prev = now;
    }
    return t;
}

TEST(ValveEvents, CutoffsAndTravelOfTheForwardGears)
{
    MechanismModel m = StartedModel();
    const struct {
        float gear;
        double front, rear, tmin, tmax;
    } cases[] = {{m.RevArmCentre, 3.9, 3.4, -0.186, 0.181},
                 {ForwardGear(m), 77.6, 72.7, -0.333, 0.319},
                 {ForwardMaxGear(m), 85.4, 81.4, -0.415, 0.384}};
    for (const auto& c : cases) {
        const TurnFigures t = ForwardTurn(m, c.gear);
        ASSERT_TRUE(t.frontCutoff && t.rearCutoff) << "gear " << c.gear;
        EXPECT_NEAR(*t.frontCutoff, c.front, 0.05) << "gear " << c.gear;
        EXPECT_NEAR(*t.rearCutoff, c.rear, 0.05) << "gear " << c.gear;
        EXPECT_NEAR(t.travelMin, c.tmin, 0.0006) << "gear " << c.gear;
        EXPECT_NEAR(t.travelMax, c.tmax, 0.0006) << "gear " << c.gear;
    }
    EXPECT_FALSE(m.MechanismError);
}

// Reversing the gear reverses the valve's phase against the crank: at 90 degrees the valve
// stands ahead of centre in forward gear and behind it in reverse gear.
TEST(ValveEvents, ReverseGearLeadsTheOtherWay)
{
    MechanismModel m = StartedModel();
    SolveAt(m, ForwardGear(m), 90.0f);
    const float forwardTravel = m.Levels.ValveTravel;
    SolveAt(m, ReverseGear(m), 90.0f);
    EXPECT_GT(forwardTravel, 0.1f);
    EXPECT_LT(m.Levels.ValveTravel, -0.1f);
}

}  // namespace
}  // namespace zeph
