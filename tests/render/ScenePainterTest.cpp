// The rendered picture checked pixel by pixel: linkage, marks, rods, cylinder and steam dots.
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

#include "model/tick/AnimationTick.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"
#include "model/linkage/ViewTransform.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "render/scene/ScenePainter.h"
#include "render/scene/SceneGeometry.h"

using namespace zeph;

namespace {

class SceneRendererTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // Solve, map and outline at the current angle, then the tick's state and its picture,
    // without advancing the angle.
    void Render()
    {
        SolveAndMap(m);
        soundsAsked += UpdateTickState(m).soundCount;
        painter.Paint(image, m);
    }

    // The tick's state and its picture onto any canvas, the linkage already solved and mapped.
    void Draw(Canvas& c)
    {
        soundsAsked += UpdateTickState(m).soundCount;
        painter.Paint(c, m);
    }

    TColor At(int x, int y) const { return FromQRgb(image.pixel(x, y)); }

    // True when some pixel within `radius` of (x, y) has the colour.
    bool Near(int x, int y, TColor colour, int radius = 1) const
    {
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                if (At(x + dx, y + dy) == colour) return true;
        return false;
    }

    int CountInBox(int x1, int y1, int x2, int y2, TColor colour) const
    {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (At(x, y) == colour) ++n;
        return n;
    }

    // Dots of a colour inside the front or rear cylinder space (between piston and cover).
    int FrontEndDots(TColor colour) const
    {
        const ScreenOutlines o = MapScene(m).outlines;
        return CountInBox(o.PO[3].x + 1, o.CO[2].y + 1, o.CO[5].x, o.CO[3].y, colour);
    }
    int RearEndDots(TColor colour) const
    {
        const ScreenOutlines o = MapScene(m).outlines;
        return CountInBox(o.CO[2].x + 1, o.CO[2].y + 1, o.PO[0].x, o.CO[3].y, colour);
    }

    MechanismModel m;
    int soundsAsked = 0;  // by every tick so far
    ScenePainter painter;
    QImage image;
};

}  // namespace

TEST_F(SceneRendererTest, PictureIsA1280By1024WhiteBitmap)
{
    m.ViewPanX = -100000;  // everything off the picture: nothing fails, all clipped
    Render();
    EXPECT_EQ(image.size(), QSize(1280, 1024));
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(1279, 1023), clWhite);
}

TEST_F(SceneRendererTest, FixedPivotCrossesAreRedAtTheirExactPixels)
{
    Render();
    for (int p : {0, int(BellCrankPivot), int(RevArmPivot)}) {
        const int x = MapScene(m).pivots[p].x, y = MapScene(m).pivots[p].y;
        EXPECT_EQ(At(x + 5, y + 5), clRed) << p;
        EXPECT_EQ(At(x - 5, y - 5), clRed) << p;
        EXPECT_EQ(At(x + 5, y - 5), clRed) << p;
        EXPECT_EQ(At(x - 5, y + 5), clRed) << p;
    }
    // The end pixel of each stroke is left out.
    EXPECT_EQ(MapScene(m).pivots[0].x, 115);
    EXPECT_EQ(MapScene(m).pivots[0].y, 270);
    EXPECT_NE(At(109, 264), clRed);
    EXPECT_NE(At(109, 276), clRed);
}

TEST_F(SceneRendererTest, GuideLinkArcSpansTheUpperPartOfItsCircle)
{
    Render();
    const Real R = m.Frame.GuideLinkRadius * m.ViewScale;
    const int cx = MapScene(m).pivots[GuideLinkCentre].x, cy = MapScene(m).pivots[GuideLinkCentre].y;
    auto onArc = [&](Real degreesFromVertical) {
        const Real a = degreesFromVertical * Pi / 180;
        return Near(RoundPixel(cx + R * std::sin(a)), RoundPixel(cy - R * std::cos(a)), clRed);
    };
    EXPECT_TRUE(onArc(0));
    EXPECT_TRUE(onArc(25));
    EXPECT_TRUE(onArc(-25));
    EXPECT_FALSE(onArc(35));
    EXPECT_FALSE(onArc(-35));
}

TEST_F(SceneRendererTest, EveryRodIsDrawnInItsColour)
{
    m.DriverAngle = 60;
    Render();
    struct Rod {
        int from, to;
        TColor colour;
    };
    const Rod rods[] = {{3, 2, clRed},    {2, 11, clLime},   {10, 9, clBlue},    {9, 8, clAqua},
                        {8, 6, clFuchsia}, {6, 5, clFuchsia}, {5, 4, clLime},     {10, 13, clFuchsia},
                        {13, 14, clBlue},  {14, 15, clBlue},  {16, 18, clLime}};
    for (const Rod& r : rods) {
        const ScreenPt a = MapScene(m).pivots[r.from];
        const ScreenPt b = MapScene(m).pivots[r.to];
        EXPECT_TRUE(Near((a.x + b.x) / 2, (a.y + b.y) / 2, r.colour)) << r.from << "-" << r.to;
    }
    // The reach rod runs level from the reverse-arm top towards the cab.
    const ScreenPt top = MapScene(m).pivots[RevArmTop];
    EXPECT_EQ(At((top.x + MapScene(m).pivots[DriverCentre].x) / 2, top.y), clBlack);
}

TEST_F(SceneRendererTest, CirclesFillTheirMappedBoundingBoxes)
{
    Render();
    // Crank pin at (1.5, 0), radius 0.05 D = 0.35: columns 147..166 on the axle's row.
    EXPECT_EQ(At(147, 270), clBlack);
    EXPECT_EQ(At(146, 270), clWhite);
    // Driver wheel, radius 3.5: its top pixel is at sy(3.5) = 172, its bottom at sy(-3.5) - 1.
    EXPECT_EQ(At(115, 172), clBlack);
    EXPECT_EQ(At(115, 171), clWhite);
    EXPECT_EQ(At(115, 367), clBlack);
}

TEST_F(SceneRendererTest, CounterweightSitsOppositeTheCrankAtEvery45Degrees)
{
    const Real r = 0.35L * m.Frame.DriverDia * m.ViewScale;
    for (int a = 0; a < 360; a += 45) {
        m.DriverAngle = static_cast<float>(a);
        Render();
        const Real opposite = (a + 180) * Pi / 180;  // screen angle, clockwise with y down
        const int ox = RoundPixel(115 + r * std::cos(opposite)), oy = RoundPixel(270 + r * std::sin(opposite));
        EXPECT_TRUE(Near(ox, oy, clBlack)) << a;
        const Real crank = a * Pi / 180;
        const int cx = RoundPixel(115 + r * std::cos(crank)), cy = RoundPixel(270 + r * std::sin(crank));
        EXPECT_FALSE(Near(cx, cy, clBlack)) << a;
    }
}

TEST_F(SceneRendererTest, CylinderOutlineIsGrayAndThePistonFollowsTheCrosshead)
{
    Render();
    const ScreenOutlines o = MapScene(m).outlines;
    EXPECT_EQ(At(o.S.x, o.S.y), clGray);
    EXPECT_EQ(At(o.CO[3].x, o.CO[3].y), clGray);
    EXPECT_EQ(At(o.CO[4].x, (o.CO[4].y + o.CO[5].y) / 2), clGray);
    const int pistonAt0 = o.PO[0].x;
    EXPECT_EQ(At(pistonAt0, (o.PO[0].y + o.PO[1].y) / 2), clBlack);

    m.DriverAngle = 180;
    Render();
    const Real moved = (m.Pivots[Crosshead].x - 11.5) * m.ViewScale;
    EXPECT_NEAR(MapScene(m).outlines.PO[0].x - pistonAt0, moved, 1.0);
    EXPECT_EQ(At(MapScene(m).outlines.PO[0].x, (MapScene(m).outlines.PO[0].y + MapScene(m).outlines.PO[1].y) / 2), clBlack);
}

TEST_F(SceneRendererTest, LineWidthTwoThickensLinesAndCircles)
{
    Render();
    EXPECT_EQ(At(115, 171), clWhite);
    EXPECT_NE(At(MapScene(m).pivots[0].x + 6, MapScene(m).pivots[0].y + 5), clRed);
    m.LineWidth = 2;
    Render();
    EXPECT_EQ(At(115, 172), clBlack);
    EXPECT_TRUE(At(115, 171) == clBlack || At(115, 173) == clBlack);
    EXPECT_TRUE(At(MapScene(m).pivots[0].x + 6, MapScene(m).pivots[0].y + 5) == clRed ||
                At(MapScene(m).pivots[0].x + 5, MapScene(m).pivots[0].y + 6) == clRed);
}

// ---- steam -----------------------------------------------------------------------------

TEST_F(SceneRendererTest, SteamOffDrawsNoDotsNoLegendAndPlaysNothing)
{
    for (int i = 0; i < 36; ++i) {
        m.DriverAngle = i * 10.0f;
        Render();
        for (TColor c : {clRed, clFuchsia, clBlue, clGreen}) {
            EXPECT_EQ(FrontEndDots(c), 0);
            EXPECT_EQ(RearEndDots(c), 0);
        }
    }
    EXPECT_EQ(soundsAsked, 0);
}

TEST_F(SceneRendererTest, BothEndsShowBlackDotsBeforeAnyPortHasOpened)
{
    // With exhaust lap and the valve near mid travel no port is open at all.
    m.Cyl.ValveEndWidthFront = m.Cyl.ValveEndWidthRear = 0.5f;
    m.SteamDisplayOn = true;
    m.DriverAngle = 90;
    Render();
    EXPECT_GT(FrontEndDots(clBlack), 20);
    EXPECT_GT(RearEndDots(clBlack), 20);
    EXPECT_FLOAT_EQ(m.Steam.FrontDensity, 25);  // raised from 20 to the minimum at once
    EXPECT_EQ(m.Steam.FrontDots, RoundInt(25 * 28 / 18.5L));
}

TEST_F(SceneRendererTest, PhasesFollowThePortsThroughATurn)
{
    m.SteamDisplayOn = true;
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
    m.StepAngle = 5;
    std::string frontColours;
    char last = 0;
    for (int i = 0; i <= 2 * 72; ++i) {
        m.DriverAngle = static_cast<float>((i * 5) % 360);
        Render();
        const char now = FrontEndDots(clRed) > 0       ? 'R'
                         : FrontEndDots(clFuchsia) > 0 ? 'F'
                         : FrontEndDots(clBlue) > 0    ? 'B'
                         : FrontEndDots(clGreen) > 0   ? 'G'
                                                       : 'K';
        if (now != last) frontColours += now;
        last = now;
    }
    // Admission, expansion, exhaust, compression, and round again.
    EXPECT_NE(frontColours.find("RFBGRFBG"), std::string::npos) << frontColours;
}

TEST_F(SceneRendererTest, LegendOnlyWithScreenData)
{
    m.SteamDisplayOn = true;
    RecordingCanvas rec;
    SolveLinkage(m);
    CalcPortOpenings(m);
    MapPivots(m);
    Draw(rec);
    const CanvasCall* admission = rec.FindText("ADMISSION");
    ASSERT_NE(admission, nullptr);
    EXPECT_EQ(admission->fontColor, clRed);
    EXPECT_EQ(admission->x(), MapScene(m).outlines.CO[3].x - 40);
    EXPECT_EQ(admission->y(), MapScene(m).outlines.CO[3].y + 5);
    ASSERT_NE(rec.FindText("COMPRESSION"), nullptr);
    EXPECT_EQ(rec.FindText("COMPRESSION")->fontColor, clGreen);

    m.ScreenDataOn = false;
    RecordingCanvas quiet;
    Draw(quiet);
    EXPECT_EQ(quiet.FindText("ADMISSION"), nullptr);
}
