// Sine and oval sweeps: solves, piston places, mid-gear figures and guards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "ModelTestSupport.h"
#include "model/diagrams/ValveCurves.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::Solved;
using test::SolveTravel;
using test::ForwardMaxGear;
using test::SetDiagramList;

TEST(MidGearFigures, OnlyTheCentredCurveGetsThem)
{
    MechanismModel m = DiagramModel();
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    ASSERT_TRUE(d.curves[0].midGear.has_value());
    EXPECT_EQ(d.curves[0].entry.side, RevArmSide::Centre);
    EXPECT_FALSE(d.curves[1].midGear.has_value());
    EXPECT_FALSE(d.curves[2].midGear.has_value());

    EXPECT_TRUE(InMidGear(m, m.RevArmCentre + 0.0499f));
    EXPECT_TRUE(InMidGear(m, m.RevArmCentre - 0.0499f));
    EXPECT_FALSE(InMidGear(m, m.RevArmCentre + 0.0501f));
    EXPECT_FALSE(InMidGear(m, m.RevArmCentre - 0.0501f));
}

TEST(MidGearFigures, LeadLapAndClearanceFromTheJointExtremes)
{
    MechanismModel m = DiagramModel();
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    const ValveCurve& c = d.curves[0];
    const MidGearEvents& mid = *c.midGear;
    float lo = 1000, hi = 0;
    for (float a : c.angles) {
        const float x = SolveTravel(m, c.entry.revArm, a).joint;
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    EXPECT_EQ(mid.jointMin, lo);
    EXPECT_EQ(mid.jointMax, hi);
    // The default port (0.187) is narrower than the inside lap edge (1.0): bases less mid.
    const Real k = 16.0L - 3.176L, centre = (Real(hi) + lo) / 2;
    EXPECT_NEAR(double(mid.values[0]), double(hi - k - 0.155L), 1e-5);   // front lead
    EXPECT_NEAR(double(mid.values[1]), double(k + 0.155L - centre), 1e-5);  // front lap
    EXPECT_NEAR(double(mid.values[2]), double(k - centre), 1e-5);           // front clearance
    EXPECT_NEAR(double(mid.values[3]), double(centre - k), 1e-5);           // rear clearance
    EXPECT_NEAR(double(mid.values[4]), double(centre + 0.155L - k), 1e-5);  // rear lap
    EXPECT_NEAR(double(mid.values[5]), double(k - 0.155L - lo), 1e-5);      // rear lead
    // Laps of 0.155 each side, shifted by the gear's small asymmetry.
    EXPECT_NEAR(double(mid.values[1] + mid.values[4]), 0.31, 1e-4);
    EXPECT_NEAR(double(mid.values[1]), 0.158, 0.002);
    EXPECT_NEAR(double(mid.values[0]), 0.026, 0.002);
}

TEST(MidGearFigures, AWidePortTakesTheBasesAsTheyStand)
{
    MechanismModel m = DiagramModel();
    m.Cyl.ValvePortWidthFront = 1.5f;  // wider than ValveInsideEdge
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    const MidGearEvents& mid = *d.curves[0].midGear;
    const EventLevels& L = m.Levels;
    EXPECT_EQ(mid.values[1], Real(L.LapFrontBase));
    EXPECT_EQ(mid.values[2], Real(L.ExClFrontBase));
    EXPECT_EQ(mid.values[3], Real(L.ExClRearBase));
    EXPECT_EQ(mid.values[4], Real(L.LapRearBase));
    EXPECT_EQ(mid.values[0], Real(L.LeadFrontBase) + mid.jointMax);
    EXPECT_EQ(mid.values[5], Real(L.LeadRearBase) - mid.jointMin);
}

TEST(OvalCurves, GuardedStrokeAndRodNeverGiveNaN)
{
    MechanismModel m = DiagramModel();
    m.Frame.Stroke = 0.0f;
    m.MechanismError = false;
    EXPECT_TRUE(std::isfinite(OvalPistonFraction(m, 90)));
    EXPECT_TRUE(m.MechanismError);

    m = DiagramModel();
    m.Frame.MainRodLen = 0.5f;  // shorter than the crank: the radicand turns negative
    m.MechanismError = false;
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Oval);
    EXPECT_TRUE(m.MechanismError);
    for (const ValveCurve& c : d.curves)
        for (Real p : c.pistonFraction) EXPECT_TRUE(std::isfinite(p));
}

TEST(ValveDiagrams, RestoreTheDriveAndLeaveTheLastPosition)
{
    MechanismModel m = DiagramModel();
    m.DriverAngle = 77.0f;
    m.RevArmPosition = 4.0f;
    for (ValveDiagram kind : {ValveDiagram::Sine, ValveDiagram::Oval}) {
        ComputeValveDiagram(m, kind);
        EXPECT_EQ(m.DriverAngle, 77.0f);
        EXPECT_EQ(m.RevArmPosition, 4.0f);
        EXPECT_EQ(m.LastDiagramRevArmPos, m.DiagramRevArmPos[3]);
    }
}

}  // namespace
}  // namespace zeph
