// Sine and oval sweeps: solves, pixels, numbers, mid-gear figures, port lines and guards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "ModelTestSupport.h"
#include "model/ValveCurves.h"
#include "model/ViewTransform.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::ForwardMaxGear;
using test::SetDiagramList;

// The valve travel and valve-joint x of one solve, made independently of the sweep.
struct Solved {
    float travel, joint;
};
Solved SolveTravel(MechanismModel m, float revArm, float angle)
{
    m.RevArmPosition = revArm;
    m.DriverAngle = angle;
    SolveLinkage(m);
    return {m.Levels.ValveTravel, m.Pivots[ValveJoint].x};
}

TEST(SineCurves, SixtySevenSolvesOverOneAndAHalfTurns)
{
    MechanismModel m = DiagramModel();
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    ASSERT_EQ(d.curves.size(), 3u);
    const ValveCurve& c = d.curves[1];
    ASSERT_EQ(c.points.size(), size_t(SineSolves));
    EXPECT_EQ(c.angles.front(), 328.0f);
    EXPECT_EQ(c.angles[4], 360.0f);
    EXPECT_EQ(c.angles[5], 8.0f);
    EXPECT_EQ(c.angles.back(), 136.0f);
    for (int i = 0; i < SineSolves; ++i) {
        const Solved s = SolveTravel(m, c.entry.revArm, c.angles[i]);
        EXPECT_EQ(c.travel[i], s.travel) << i;
        EXPECT_EQ(c.points[i].x, 58 + 8 * i);
        EXPECT_EQ(c.points[i].y, TravelRow(1.5L, s.travel)) << i;
        EXPECT_TRUE(c.points[i].valid);
    }
    // The number stands at x 45, level with the first point.
    ASSERT_EQ(c.marks.size(), 1u);
    EXPECT_EQ(c.marks[0].x, 45);
    EXPECT_EQ(c.marks[0].y, c.points[0].y);
    EXPECT_EQ(c.marks[0].beforeSegment, 1);
    // Normal forward gear swings about -0.333 .. 0.319 units: rows about 298 .. 135.
    const auto [lo, hi] = std::minmax_element(c.points.begin(), c.points.end(),
                                              [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; });
    EXPECT_NEAR(lo->y, 135, 2);
    EXPECT_NEAR(hi->y, 298, 2);
}

TEST(SineCurves, PixelRowsFollowTheScale)
{
    EXPECT_EQ(TravelRow(1.5L, 0), 215);
    EXPECT_EQ(TravelRow(1.5L, 0.2L), 165);
    EXPECT_EQ(TravelRow(1.5L, -0.2L), 265);
    EXPECT_EQ(TravelRow(4.0L, 0.4L), 178);   // 177.5: ties go to the even pixel
    EXPECT_EQ(TravelRow(4.0L, -0.36L), 249);  // 248.75
}

TEST(SineCurves, PortLinesOfTheDefaultValve)
{
    MechanismModel m = DiagramModel();
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    struct Expected {
        const char* label;
        int y, labelX, labelY;
        bool front;
    };
    const Expected expected[] = {
        {"Front Steam Port Open", 176, 60, 160, true}, {"Front Steam Port Max", 130, 60, 131, true},
        {"Front Exhaust Port Open", 215, 230, 216, true}, {"Rear Steam Port Open", 254, 230, 255, false},
        {"Rear Steam Port Max", 300, 230, 284, false},   {"Rear Exhaust Port Open", 215, 60, 199, false},
    };
    for (int i = 0; i < 6; ++i) {
        const PortLine& l = d.portLines[i];
        EXPECT_STREQ(l.label, expected[i].label);
        EXPECT_EQ(l.y, expected[i].y) << l.label;
        EXPECT_EQ(l.labelX, expected[i].labelX) << l.label;
        EXPECT_EQ(l.labelY, expected[i].labelY) << l.label;
        EXPECT_EQ(l.front, expected[i].front);
        EXPECT_EQ(l.endX, 583);
        EXPECT_TRUE(l.valid);
    }
    const ValveDiagramData oval = ComputeValveDiagram(m, ValveDiagram::Oval);
    const int ovalX[] = {430, 430, 75, 75, 75, 430};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(oval.portLines[i].labelX, ovalX[i]);
        EXPECT_EQ(oval.portLines[i].y, d.portLines[i].y);
        EXPECT_EQ(oval.portLines[i].endX, 584);
    }
}

TEST(SineCurves, PortLinesShowTheValveAsItIsNowEvenBeforeAnySolve)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {});
    m.Cyl.ValvePortOffset = 1.255f;  // laps 0.255, no solve since
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    EXPECT_TRUE(d.curves.empty());
    EXPECT_EQ(d.portLines[0].y, TravelRow(1.5L, m.Levels.FrontSteamOpenLevel));
    EXPECT_NEAR(d.portLines[0].y, 215 - 0.255 * 250, 1);
}

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

TEST(OvalCurves, OneClosedCurveWithItsNumberTwice)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {ForwardMaxGear(m)});
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Oval);
    ASSERT_EQ(d.curves.size(), 1u);
    const ValveCurve& c = d.curves[0];
    ASSERT_EQ(c.points.size(), size_t(OvalSolves));
    EXPECT_EQ(c.angles.front(), 32.0f);
    EXPECT_EQ(c.angles[4], 0.0f);
    EXPECT_EQ(c.angles[5], 352.0f);
    EXPECT_EQ(c.angles.back(), 32.0f);
    EXPECT_EQ(c.points.front().x, c.points.back().x);
    EXPECT_EQ(c.points.front().y, c.points.back().y);
    EXPECT_EQ(c.points[4].x, 584);   // 0 degrees: front end of the stroke
    EXPECT_EQ(c.points[27].x, 44);   // 180 degrees: back end
    ASSERT_EQ(c.marks.size(), 2u);
    // Numbers before the segments into angles 272 and 80; with the default port narrower than
    // the inside edge, 2 pixels under the curve first and 11 above it second.
    EXPECT_EQ(c.marks[0].x, 300);
    EXPECT_EQ(c.marks[0].beforeSegment, 15);
    EXPECT_EQ(c.marks[0].y, RoundPixel(213 - Real(c.travel[14]) * 250));
    EXPECT_EQ(c.marks[1].x, 334);
    EXPECT_EQ(c.marks[1].beforeSegment, 39);
    EXPECT_EQ(c.marks[1].y, RoundPixel(204 - Real(c.travel[38]) * 250));
    m.Cyl.ValvePortWidthFront = 1.5f;
    const ValveCurve wide = ComputeValveDiagram(m, ValveDiagram::Oval).curves[0];
    EXPECT_EQ(wide.marks[0].y, RoundPixel(204 - Real(wide.travel[14]) * 250));
    EXPECT_EQ(wide.marks[1].y, RoundPixel(213 - Real(wide.travel[38]) * 250));
    EXPECT_EQ(c.angles[15], 272.0f);
    EXPECT_EQ(c.angles[39], 80.0f);
}

TEST(OvalCurves, DeadCentresLandOnTheEndLinesWhateverTheRod)
{
    MechanismModel m = DiagramModel();
    for (float rod : {4.0f, 10.0f, 40.0f}) {
        m.Frame.MainRodLen = rod;
        EXPECT_EQ(OvalColumn(OvalPistonFraction(m, 0)), 584) << rod;
        EXPECT_EQ(OvalColumn(OvalPistonFraction(m, 180)), 44) << rod;
    }
    // 10 percent of travel is 54 pixels: mid-stroke (fraction 0) at x 314.
    EXPECT_EQ(OvalColumn(0), 314);
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
        for (const PlotPoint& p : c.points) EXPECT_TRUE(p.valid);
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

TEST(ValveDiagrams, ABrokenValveDrawsWhatItCan)
{
    MechanismModel m = DiagramModel();
    m.Cyl.ValveJointOffset = std::numeric_limits<float>::quiet_NaN();
    m.DiagramVScale = 0.0f;
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    EXPECT_EQ(d.scale, Real(0.1f));
    ASSERT_EQ(d.curves.size(), 3u);
    for (const PlotPoint& p : d.curves[0].points) EXPECT_FALSE(p.valid);
    EXPECT_FALSE(d.curves[0].marks[0].valid);
    // Levels that do not need the joint offset still give their lines.
    EXPECT_TRUE(d.portLines[0].valid);
}

}  // namespace
}  // namespace zeph
