// Mid gear: where the reverse arm stands so the hanger top pin sits on the tilted guide-link radius.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelTestSupport.h"

namespace zeph {
namespace {

using test::Dist;
using test::SolveAt;
using test::StartedModel;

TEST(MidGear, DefaultDesign)
{
    MechanismModel m = StartedModel();
    m.DriverAngle = 123.4f;
    m.CalcMidGear();
    EXPECT_EQ(m.DriverAngle, 123.4f);
    EXPECT_NEAR(m.RevArmCentre, 3.769, 0.0005);
    EXPECT_FLOAT_EQ(m.Pivots[HangerTopPin].x, 8.4f);
    EXPECT_FLOAT_EQ(m.Pivots[HangerTopPin].y, 3.81f);
    EXPECT_EQ(m.DiagramRevArmPos[0], m.RevArmCentre);
    EXPECT_EQ(m.DiagramRevArmPos[1], m.RevArmCentre);
    EXPECT_NEAR(m.DiagramRevArmPos[2] - m.DiagramRevArmPos[0], 1.04, 1e-6);
    EXPECT_NEAR(m.DiagramRevArmPos[0] - m.DiagramRevArmPos[3], 1.04, 1e-6);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_FALSE(m.MechanismError);
}

// Solving at the centre places the auxiliary pin AuxRodDiag from the mid-gear top pin, and
// the solver finds that same top pin again.
TEST(MidGear, SolverAgreesWithTheMidGearTopPin)
{
    MechanismModel m = StartedModel();
    m.SetDim(25, 10.0f);
    m.CalcMidGear();
    const Pivot mid = m.Pivots[HangerTopPin];
    SolveAt(m, m.RevArmCentre, 0.0f);
    EXPECT_NEAR(Dist(m.Pivots[RevArmAuxPin], mid), m.AuxRodDiag, 1e-4);
    EXPECT_NEAR(m.Pivots[HangerTopPin].x, mid.x, 1e-4);
    EXPECT_NEAR(m.Pivots[HangerTopPin].y, mid.y, 1e-4);
    EXPECT_GT(mid.x, m.Pivots[GuideLinkCentre].x);  // a positive offset leans the pin forwards
}

TEST(MidGear, OffsetAngleOf90PutsTheTopPinLevelAndAhead)
{
    MechanismModel m = StartedModel();
    m.SetDim(25, 90.0f);
    m.CalcMidGear();
    EXPECT_NEAR(m.Pivots[HangerTopPin].x, 8.4 + 3.56, 1e-5);
    EXPECT_NEAR(m.Pivots[HangerTopPin].y, 0.25, 1e-5);
}

TEST(MidGear, ZeroLowerArmIsReplacedAndKept)
{
    MechanismModel m = StartedModel();
    m.SetDim(22, 0.0f);
    m.CalcMidGear();
    EXPECT_EQ(m.Frame.RevArmLower, 0.00001f);
    EXPECT_TRUE(std::isfinite(m.RevArmCentre));
    EXPECT_FALSE(m.MechanismError);
}

// Pins that cannot meet: the arm points almost straight at the mid-gear top pin, no NaN.
TEST(MidGear, UnreachableTopPinClampsTheTriangle)
{
    MechanismModel m = StartedModel();
    m.SetDim(24, -5.0f);
    m.CalcMidGear();
    const Pivot& p13 = m.Pivots[HangerTopPin];
    const Pivot& p17 = m.Pivots[RevArmPivotCopy];
    const double towardsPin = (p13.x - p17.x) / Dist(p13, p17);
    const double arm = m.Frame.RevArmLower + m.Frame.RevArmUpper;
    ASSERT_TRUE(std::isfinite(m.RevArmCentre));
    EXPECT_NEAR((m.RevArmCentre - p17.x) / arm, towardsPin, 2e-3);
    EXPECT_FALSE(m.MechanismError);
}

}  // namespace
}  // namespace zeph
