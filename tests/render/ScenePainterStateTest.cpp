// A picture follows from the state painted alone: the same state paints the same picture, whatever came before.
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

#include "model/tick/AnimationTick.h"
#include "model/linkage/ViewTransform.h"
#include "platform/Canvas.h"
#include "render/scene/ScenePainter.h"
#include "render/scene/SceneGeometry.h"

namespace zeph {
namespace {

class ScenePainterStateTest : public ::testing::Test {
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

// A picture is its state's alone: a painter that has just painted another state (steam, the
// pointer, a broken linkage, thick lines, the large font) into the same image paints exactly
// what a fresh painter paints.
TEST_F(ScenePainterStateTest, APictureOwesNothingToThePictureBefore)
{
    m.LineWidth = 2;
    ScenePainter used;
    QImage image;
    used.Paint(image, m, TextScaleFor(true));

    MechanismModel plain;
    plain.StartUp();
    plain.DriverAngle = 60;
    SimulateTick(plain);
    used.Paint(image, plain);
    QImage fresh;
    ScenePainter().Paint(fresh, plain);
    EXPECT_EQ(image, fresh);
}

TEST_F(ScenePainterStateTest, TheSameStatePaintsTheSamePicture)
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
TEST_F(ScenePainterStateTest, ShapesUseTheViewTheTickMappedWith)
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
    EXPECT_NEAR(centreX, MapScene(m).pivots[CrankPin].x, 1);
    EXPECT_GT(std::abs(centreX - ScreenX(m, m.Pivots[CrankPin].x)), 2);  // not the view now in force
}

}  // namespace
}  // namespace zeph
