// The reverse-arm rows' mutual limits, the bar's span, the dialogs' limits and the picture's press zone and centring.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelTestSupport.h"
#include "model/design/FrameLimits.h"
#include "model/linkage/PictureGeometry.h"
#include "model/linkage/ViewTransform.h"

using namespace zeph;
using zeph::test::StartedModel;

TEST(FrameLimits, NormalAndMaximumTravelLimitEachOther)
{
    MechanismModel m = StartedModel();
    m.DiagramRevArmPos = {0, 0.5f, -1.2f, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(StoreReverseArmRow(m, 25, 7.5f));
    EXPECT_EQ(m.Frame.OffsetAngle, 7.5f);

    EXPECT_TRUE(StoreReverseArmRow(m, 27, 0.8f));  // below the normal travel: raised to it
    EXPECT_EQ(m.Frame.RevArmMax, m.Frame.RevArmNorm);
    EXPECT_FALSE(StoreReverseArmRow(m, 26, 5.0f));  // beyond the maximum: cut to it
    EXPECT_EQ(m.Frame.RevArmNorm, m.Frame.RevArmMax);
    // A cut travel draws the positions in use back within it; an unused one stays 0.
    const float n = m.Frame.RevArmNorm;
    EXPECT_EQ(m.DiagramRevArmPos[2], -n);
    EXPECT_LE(m.DiagramRevArmPos[1], n);
    EXPECT_EQ(m.DiagramRevArmPos[3], 0.0f);

    EXPECT_EQ(ReverseArmBarSpan(m.Frame).maximum, RoundInt(Real(m.Frame.RevArmMax) * 1000));
    EXPECT_EQ(ReverseArmBarSpan(m.Frame).minimum, -ReverseArmBarSpan(m.Frame).maximum);
}

TEST(FrameLimits, DialogValuesStayWithinTheirRanges)
{
    MechanismModel m = StartedModel();
    const Real c = m.RevArmCentre, x = m.Frame.RevArmMax;
    EXPECT_EQ(*ReverseArmWithinTravel(m, 100), c + x);
    EXPECT_EQ(*ReverseArmWithinTravel(m, -100), c - x);
    EXPECT_FALSE(ReverseArmWithinTravel(m, std::numeric_limits<double>::quiet_NaN()));

    EXPECT_EQ(DriverAngleWithinTurn(-5), 0.0);
    EXPECT_EQ(DriverAngleWithinTurn(400), 360.0);
    EXPECT_EQ(StepAngleWithinRange(0), 0.01);
    EXPECT_EQ(StepAngleWithinRange(90), 45.0);
    EXPECT_EQ(GraphicZoomWithinRange(0.1), 0.5);
    EXPECT_EQ(GraphicZoomWithinRange(1e9), 2000.0);
    EXPECT_EQ(PositionBoxValue(1e300), std::numeric_limits<float>::max());
    EXPECT_TRUE(std::isfinite(ScaleBoxValue(-std::numeric_limits<double>::infinity())));
}

TEST(PictureGeometry, PressesLandBelowTheStripOrRightOfTheReferenceControls)
{
    EXPECT_TRUE(PressInPicture(10, 121));
    EXPECT_FALSE(PressInPicture(10, 120));
    EXPECT_TRUE(PressInPicture(248, 68));
    EXPECT_FALSE(PressInPicture(247, 100));
    EXPECT_FALSE(PressInPicture(500, 67));
}

TEST(PictureGeometry, CentringPutsThePointAtThePictureCentre)
{
    MechanismModel m = StartedModel();
    const PanBarNudge home = CentreViewOn(m, 0, 0);
    EXPECT_EQ(ScreenX(m, 0), PictureCentreX);
    EXPECT_EQ(ScreenY(m, 0), PictureCentreY);
    const PanBarNudge aside = CentreViewOn(m, 10, 5);
    EXPECT_EQ(ScreenX(m, 10), PictureCentreX);
    EXPECT_EQ(ScreenY(m, 5), PictureCentreY);
    // A point further right and up needs the bars moved further the other way.
    EXPECT_NE(aside.horizontal, home.horizontal);
    EXPECT_NE(aside.vertical, home.vertical);
}
