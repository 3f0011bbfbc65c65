// The diagram position list: range clamp, tidy and count, typed values, scale and angle steps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelTestSupport.h"
#include "model/diagrams/DiagramPositions.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::SetDiagramList;
using test::StartedModel;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(DiagramPositions, ClampKeepsZeroAndPinsBothEnds)
{
    const MechanismModel m = StartedModel();
    const float lo = float(Real(m.RevArmCentre) - m.Frame.RevArmMax);
    const float hi = float(Real(m.RevArmCentre) + m.Frame.RevArmMax);
    EXPECT_EQ(ClampToRevArmRange(m, 0.0f), 0.0f);
    EXPECT_EQ(ClampToRevArmRange(m, 99.0f), hi);
    EXPECT_EQ(ClampToRevArmRange(m, -99.0f), lo);
    EXPECT_EQ(ClampToRevArmRange(m, m.RevArmCentre + 0.5f), m.RevArmCentre + 0.5f);
}

TEST(DiagramPositions, StartUpListCountsThreeAndShowsFourBoxes)
{
    MechanismModel m = StartedModel();
    EXPECT_EQ(TidyDiagramPositions(m), 3);
    EXPECT_EQ(m.DiagramRevArmCount, 3);
    EXPECT_EQ(VisiblePositionBoxes(m), 4);
    EXPECT_EQ(m.DiagramRevArmPos[4], 0.0f);
}

TEST(DiagramPositions, TidyClearsEverythingBehindTheFirstGap)
{
    MechanismModel m = StartedModel();
    m.DiagramRevArmPos.fill(0.0f);
    EXPECT_EQ(TidyDiagramPositions(m), 0);
    EXPECT_EQ(VisiblePositionBoxes(m), 1);

    for (int k = 1; k <= 5; ++k) m.DiagramRevArmPos[k] = 3.0f + 0.1f * k;
    m.DiagramRevArmPos[3] = 0.0f;
    EXPECT_EQ(TidyDiagramPositions(m), 2);
    for (int k = 3; k <= 9; ++k) EXPECT_EQ(m.DiagramRevArmPos[k], 0.0f) << k;

    for (int k = 1; k <= 9; ++k) m.DiagramRevArmPos[k] = 3.0f + 0.1f * k;
    EXPECT_EQ(TidyDiagramPositions(m), 9);
    EXPECT_EQ(VisiblePositionBoxes(m), 9);

    // A value that is not a number ends the list like a zero and never stays in it.
    m.DiagramRevArmPos[4] = std::numeric_limits<float>::quiet_NaN();
    m.DiagramRevArmPos[6] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(TidyDiagramPositions(m), 3);
    for (int k = 4; k <= 9; ++k) EXPECT_EQ(m.DiagramRevArmPos[k], 0.0f) << k;
}

TEST(DiagramPositions, TypedValuesFollowTheBoxRules)
{
    MechanismModel m = StartedModel();
    const float hi = float(Real(m.RevArmCentre) + m.Frame.RevArmMax);
    const float lo = float(Real(m.RevArmCentre) - m.Frame.RevArmMax);

    EXPECT_TRUE(StoreTypedPosition(m, 5, 50.0));
    EXPECT_EQ(m.DiagramRevArmPos[5], hi);
    EXPECT_TRUE(StoreTypedPosition(m, 6, -50.0));
    EXPECT_EQ(m.DiagramRevArmPos[6], lo);
    EXPECT_TRUE(StoreTypedPosition(m, 3, 0.0));
    EXPECT_EQ(m.DiagramRevArmPos[3], 0.0f);

    // 0 in the first box becomes 0.001, which the default range then pins to its lower end...
    EXPECT_TRUE(StoreTypedPosition(m, 1, 0.0));
    EXPECT_EQ(m.DiagramRevArmPos[1], lo);
    // ...and keeps when the range reaches down past it.
    m.Frame.RevArmMax = 10.0f;
    EXPECT_TRUE(StoreTypedPosition(m, 1, 0.0));
    EXPECT_EQ(m.DiagramRevArmPos[1], 0.001f);

    // Junk never enters the list; boxes outside 1..9 do not exist.
    const float before = m.DiagramRevArmPos[2];
    for (double junk : {NaN, Inf, -Inf, 1e300}) {
        EXPECT_FALSE(StoreTypedPosition(m, 2, junk)) << junk;
        EXPECT_EQ(m.DiagramRevArmPos[2], before);
    }
    EXPECT_FALSE(StoreTypedPosition(m, 0, 4.0));
    EXPECT_FALSE(StoreTypedPosition(m, 10, 4.0));
    EXPECT_EQ(m.DiagramRevArmPos[0], m.RevArmCentre);
}

TEST(DiagramPositions, ScaleBoxAndDrawingScale)
{
    MechanismModel m = StartedModel();
    EXPECT_TRUE(StoreTypedVScale(m, 0.05));
    EXPECT_EQ(m.DiagramVScale, 0.1f);
    EXPECT_TRUE(StoreTypedVScale(m, 99999));
    EXPECT_EQ(DiagramDrawScale(m), Real(m.DiagramVScale));  // what the diagrams draw with
    EXPECT_TRUE(StoreTypedVScale(m, 2.5));
    EXPECT_EQ(m.DiagramVScale, 2.5f);
    EXPECT_FALSE(StoreTypedVScale(m, NaN));
    EXPECT_FALSE(StoreTypedVScale(m, Inf));
    EXPECT_EQ(m.DiagramVScale, 2.5f);
    EXPECT_EQ(DiagramDrawScale(m), Real(2.5f));

    // A stored scale is drawn within 0.1 .. 10000; one that is not a number at the default.
    m.DiagramVScale = 0.0f;
    EXPECT_EQ(DiagramDrawScale(m), Real(0.1f));
    m.DiagramVScale = 1e30f;
    EXPECT_EQ(DiagramDrawScale(m), 10000);
    m.DiagramVScale = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(DiagramDrawScale(m), 1.5L);
}

TEST(DiagramPositions, ListInUseSidesAndRows)
{
    MechanismModel m = DiagramModel();
    const auto list = DiagramListEntries(m);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].side, RevArmSide::Centre);
    EXPECT_EQ(list[1].side, RevArmSide::Forward);
    EXPECT_EQ(list[2].side, RevArmSide::Reverse);
    EXPECT_EQ(list[2].index, 3);
    EXPECT_EQ(list[2].revArm, m.DiagramRevArmPos[3]);
    EXPECT_EQ(SideOf(m, m.RevArmCentre + 1e-6f), RevArmSide::Forward);
    EXPECT_STREQ(SideText(RevArmSide::Reverse), "Rev");

    // A count from elsewhere never reads beyond the nine entries.
    m.DiagramRevArmCount = 42;
    EXPECT_EQ(DiagramListEntries(m).size(), 9u);
    m.DiagramRevArmCount = -1;
    EXPECT_TRUE(DiagramListEntries(m).empty());
}

TEST(DiagramPositions, DriverAngleStepsWrapIntoOneTurn)
{
    MechanismModel m = StartedModel();
    m.DriverAngle = 358.0f;
    StepDriverAngle(m, 4);
    EXPECT_FLOAT_EQ(m.DriverAngle, 2.0f);
    m.DriverAngle = 2.0f;
    StepDriverAngle(m, -4);
    EXPECT_FLOAT_EQ(m.DriverAngle, 358.0f);
    m.DriverAngle = 356.0f;
    StepDriverAngle(m, 4);
    EXPECT_FLOAT_EQ(m.DriverAngle, 360.0f);  // 360 itself stays
}

TEST(DiagramPositions, GuardRestoresAngleAndGear)
{
    MechanismModel m = StartedModel();
    m.DriverAngle = 123.0f;
    m.RevArmPosition = 4.5f;
    {
        DriveStateGuard keep(m);
        m.DriverAngle = 7.0f;
        PlotPosition(m, 3.3f);
        EXPECT_EQ(m.RevArmPosition, 3.3f);
    }
    EXPECT_EQ(m.DriverAngle, 123.0f);
    EXPECT_EQ(m.RevArmPosition, 4.5f);
    EXPECT_EQ(m.LastDiagramRevArmPos, 3.3f);
    SetDiagramList(m, {});
    EXPECT_EQ(m.DiagramRevArmCount, 0);
}

}  // namespace
}  // namespace zeph
