// Painting reads the model and nothing else: painting a state changes none of it, and paints the same picture again.
#include <QImage>
#include <cstring>
#include <gtest/gtest.h>

#include "model/AnimationTick.h"
#include "platform/Canvas.h"
#include "render/ScenePainter.h"

namespace zeph {
namespace {

template <typename T>
bool SameBytes(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Every part of the model a painter could be tempted to write: the tick's state included.
void ExpectSameModel(const MechanismModel& a, const MechanismModel& b)
{
    EXPECT_TRUE(SameBytes(a.Pivots, b.Pivots));
    EXPECT_TRUE(SameBytes(a.Frame, b.Frame));
    EXPECT_TRUE(SameBytes(a.Cyl, b.Cyl));
    EXPECT_TRUE(SameBytes(a.Outlines, b.Outlines));
    EXPECT_TRUE(SameBytes(a.Steam, b.Steam));
    EXPECT_TRUE(SameBytes(a.Cutoff, b.Cutoff));
    EXPECT_TRUE(SameBytes(a.Pointer, b.Pointer));
    EXPECT_TRUE(SameBytes(a.Ports, b.Ports));
    EXPECT_TRUE(SameBytes(a.Levels, b.Levels));
    EXPECT_TRUE(SameBytes(a.MappedView, b.MappedView));
    EXPECT_EQ(a.ViewScale, b.ViewScale);
    EXPECT_EQ(a.ViewPanX, b.ViewPanX);
    EXPECT_EQ(a.ViewPanY, b.ViewPanY);
    EXPECT_EQ(a.SavedZoom, b.SavedZoom);
    EXPECT_EQ(a.DriverAngle, b.DriverAngle);
    EXPECT_EQ(a.RevArmPosition, b.RevArmPosition);
    EXPECT_EQ(a.MechanismError, b.MechanismError);
    EXPECT_EQ(a.ErrorTicks, b.ErrorTicks);
    EXPECT_EQ(a.GraphicDimCode, b.GraphicDimCode);
    EXPECT_EQ(a.FrontCutoffText, b.FrontCutoffText);
    EXPECT_EQ(a.RearCutoffText, b.RearCutoffText);
    EXPECT_EQ(a.PrevFrontSteamOpening, b.PrevFrontSteamOpening);
    EXPECT_EQ(a.PrevRearSteamOpening, b.PrevRearSteamOpening);
}

class PainterReadOnlyTest : public ::testing::Test {
protected:
    // A state with everything on: steam, cut-offs, reference points, dynamic variables, undo
    // line, the pointer halfway through and a linkage that cannot close.
    void SetUp() override
    {
        m.StartUp();
        m.SteamDisplayOn = true;
        m.RefPointsOn = true;
        m.DynVarOn = true;
        m.UndoOn = true;
        m.DynVarSlots[1] = {2, 3.0f, "Stroke"};
        m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
        m.StepAngle = 5;
        for (int i = 0; i < 150; ++i) SimulateTick(m);
        m.GraphicDimCode = 7;
        m.Frame.MainRodLen = 0.5f;
        for (int i = 0; i < 5; ++i) SimulateTick(m);
    }

    MechanismModel m;
};

TEST_F(PainterReadOnlyTest, PaintingChangesNothingInTheModel)
{
    const MechanismModel before = m;
    ScenePainter painter;
    QImage image;
    for (int i = 0; i < 3; ++i) painter.Paint(image, m);
    RecordingCanvas recorded;
    painter.Paint(recorded, m);
    ExpectSameModel(m, before);
}

TEST_F(PainterReadOnlyTest, TheSameStatePaintsTheSamePicture)
{
    m.SteamDisplayOn = false;  // the steam dots are scattered at random; everything else is fixed
    ScenePainter first, second;
    QImage a, b;
    first.Paint(a, m);
    second.Paint(b, m);
    second.Paint(b, m);
    EXPECT_EQ(a, b);

    // Over its own last picture, drawn elsewhere and wider, or over an image changed since,
    // a painter paints what a fresh one paints.
    MechanismModel elsewhere = m;
    elsewhere.SteamDisplayOn = true;
    elsewhere.LineWidth = 2;
    elsewhere.ViewScale = 60;
    elsewhere.ViewPanX = 800;
    elsewhere.ViewPanY = 900;
    SimulateTick(elsewhere);
    second.Paint(b, elsewhere);
    ASSERT_NE(a, b);
    second.Paint(b, m);
    EXPECT_EQ(a, b);
    b.setPixel(5, 1000, 0);
    second.Paint(b, m);
    EXPECT_EQ(a, b);
}

// The picture follows the view the tick mapped its pivots with, also after the pointer has set
// another view for the next tick: every circle stays on its pivot.
TEST_F(PainterReadOnlyTest, ShapesUseTheViewTheTickMappedWith)
{
    m.StartUp();
    m.ViewScale = 33;
    m.GraphicDimCode = 3;  // the pointer will zoom to 28 at the end of this tick
    SimulateTick(m);
    ASSERT_NE(m.ViewScale, m.MappedView.scale);
    RecordingCanvas c;
    ScenePainter().Paint(c, m);
    const auto ellipses = c.Calls(CanvasOp::Ellipse);
    ASSERT_FALSE(ellipses.empty());
    const CanvasCall* crank = ellipses[2];  // driver wheel, hub, then the crank pin
    const int centreX = (crank->args[0] + crank->args[2]) / 2;
    EXPECT_NEAR(centreX, m.Pivots[CrankPin].sx, 1);
}

}  // namespace
}  // namespace zeph
