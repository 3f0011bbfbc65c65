// The rendered picture checked pixel by pixel: linkage, marks, rods, cylinder, steam and beats.
#include <QImage>
#include <cmath>
#include <set>
#include <gtest/gtest.h>

#include "TickSupport.h"
#include "model/SteamSimulation.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "model/ViewTransform.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "platform/desktop/Sound.h"
#include "render/ScenePainter.h"

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
        test::UpdateState(m, sound);
        painter.Paint(image, m);
    }

    // The tick's state and its picture onto any canvas, the linkage already solved and mapped.
    void Draw(Canvas& c)
    {
        test::UpdateState(m, sound);
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
        const ScreenOutlines& o = m.Outlines;
        return CountInBox(o.PO[3].x + 1, o.CO[2].y + 1, o.CO[5].x, o.CO[3].y, colour);
    }
    int RearEndDots(TColor colour) const
    {
        const ScreenOutlines& o = m.Outlines;
        return CountInBox(o.CO[2].x + 1, o.CO[2].y + 1, o.PO[0].x, o.CO[3].y, colour);
    }

    MechanismModel m;
    RecordingSound sound{0x80008000u};
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
        const int x = m.Pivots[p].sx, y = m.Pivots[p].sy;
        EXPECT_EQ(At(x + 5, y + 5), clRed) << p;
        EXPECT_EQ(At(x - 5, y - 5), clRed) << p;
        EXPECT_EQ(At(x + 5, y - 5), clRed) << p;
        EXPECT_EQ(At(x - 5, y + 5), clRed) << p;
    }
    // The end pixel of each stroke is left out.
    EXPECT_EQ(m.Pivots[0].sx, 115);
    EXPECT_EQ(m.Pivots[0].sy, 270);
    EXPECT_NE(At(109, 264), clRed);
    EXPECT_NE(At(109, 276), clRed);
}

TEST_F(SceneRendererTest, GuideLinkArcSpansTheUpperPartOfItsCircle)
{
    Render();
    const Real R = m.Frame.GuideLinkRadius * m.ViewScale;
    const int cx = m.Pivots[GuideLinkCentre].sx, cy = m.Pivots[GuideLinkCentre].sy;
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
        const Pivot& a = m.Pivots[r.from];
        const Pivot& b = m.Pivots[r.to];
        EXPECT_TRUE(Near((a.sx + b.sx) / 2, (a.sy + b.sy) / 2, r.colour)) << r.from << "-" << r.to;
    }
    // The reach rod runs level from the reverse-arm top towards the cab.
    const Pivot& top = m.Pivots[RevArmTop];
    EXPECT_EQ(At((top.sx + m.Pivots[DriverCentre].sx) / 2, top.sy), clBlack);
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
    const ScreenOutlines& o = m.Outlines;
    EXPECT_EQ(At(o.S.x, o.S.y), clGray);
    EXPECT_EQ(At(o.CO[3].x, o.CO[3].y), clGray);
    EXPECT_EQ(At(o.CO[4].x, (o.CO[4].y + o.CO[5].y) / 2), clGray);
    const int pistonAt0 = o.PO[0].x;
    EXPECT_EQ(At(pistonAt0, (o.PO[0].y + o.PO[1].y) / 2), clBlack);

    m.DriverAngle = 180;
    Render();
    const Real moved = (m.Pivots[Crosshead].x - 11.5) * m.ViewScale;
    EXPECT_NEAR(m.Outlines.PO[0].x - pistonAt0, moved, 1.0);
    EXPECT_EQ(At(m.Outlines.PO[0].x, (m.Outlines.PO[0].y + m.Outlines.PO[1].y) / 2), clBlack);
}

TEST_F(SceneRendererTest, LineWidthTwoThickensLinesAndCircles)
{
    Render();
    EXPECT_EQ(At(115, 171), clWhite);
    EXPECT_NE(At(m.Pivots[0].sx + 6, m.Pivots[0].sy + 5), clRed);
    m.LineWidth = 2;
    Render();
    EXPECT_EQ(At(115, 172), clBlack);
    EXPECT_TRUE(At(115, 171) == clBlack || At(115, 173) == clBlack);
    EXPECT_TRUE(At(m.Pivots[0].sx + 6, m.Pivots[0].sy + 5) == clRed ||
                At(m.Pivots[0].sx + 5, m.Pivots[0].sy + 6) == clRed);
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
    EXPECT_TRUE(sound.plays.empty());
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

TEST_F(SceneRendererTest, DensitiesGrowInAdmissionFallInExhaustAndStayInRange)
{
    m.SteamDisplayOn = true;
    m.StepAngle = 45;
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmMax;
    float highest = 0;
    for (int i = 0; i < 200; ++i) {
        m.DriverAngle = static_cast<float>((i * 7) % 360);
        Render();
        EXPECT_GE(m.Steam.FrontDensity, 25);
        EXPECT_LE(m.Steam.FrontDensity, 2000);
        highest = std::max(highest, m.Steam.FrontDensity);
    }
    EXPECT_GT(highest, 100);

    m.Steam.FrontDensity = std::nanf("");
    m.Steam.RearDensity = 1e9f;
    m.StepAngle = 0;
    Render();
    EXPECT_FLOAT_EQ(m.Steam.FrontDensity, 25);
    EXPECT_FLOAT_EQ(m.Steam.RearDensity, 2000);
}

TEST_F(SceneRendererTest, LegendOnlyWithScreenData)
{
    m.SteamDisplayOn = true;
    RecordingCanvas rec;
    SolveLinkage(m);
    CalcPortOpenings(m);
    MapPivots(m);
    ComputeOutlines(m);
    Draw(rec);
    const CanvasCall* admission = rec.FindText("ADMISSION");
    ASSERT_NE(admission, nullptr);
    EXPECT_EQ(admission->fontColor, clRed);
    EXPECT_EQ(admission->x(), m.Outlines.CO[3].x - 40);
    EXPECT_EQ(admission->y(), m.Outlines.CO[3].y + 5);
    ASSERT_NE(rec.FindText("COMPRESSION"), nullptr);
    EXPECT_EQ(rec.FindText("COMPRESSION")->fontColor, clGreen);

    m.ScreenDataOn = false;
    RecordingCanvas quiet;
    Draw(quiet);
    EXPECT_EQ(quiet.FindText("ADMISSION"), nullptr);
}

TEST_F(SceneRendererTest, ExhaustBeatsPlayOnOpeningWithTheOtherEndsLoudness)
{
    m.SteamDisplayOn = true;
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
    m.StepAngle = 10;
    for (int i = 0; i < 72; ++i) {
        m.DriverAngle = static_cast<float>((i * 10) % 360);
        Render();
    }
    ASSERT_GE(sound.plays.size(), 3u);
    for (const auto& p : sound.plays) EXPECT_EQ(p.fileName, "Exhaust.wav");
    // The first beat keeps the start volume: the other end has no saved density yet.
    EXPECT_EQ(sound.plays[0].volume, 0x80008000u);
    // Later beats take their volume from the density table.
    const std::set<uint32_t> table = {0x07000700u, 0x14001400u, 0x28002800u, 0x40004000u,
                                      0x50005000u, 0x60006000u, 0x70007000u, 0x80008000u};
    for (size_t i = 1; i < sound.plays.size(); ++i) EXPECT_TRUE(table.count(sound.plays[i].volume)) << i;
    EXPECT_GT(sound.volumeChanges, 1);
}

TEST_F(SceneRendererTest, NoBeatIsArmedWhileADimensionPointerShows)
{
    m.SteamDisplayOn = true;
    m.GraphicDimCode = 3;
    for (int i = 0; i < 72; ++i) {
        m.DriverAngle = static_cast<float>((i * 10) % 360);
        Render();
    }
    EXPECT_TRUE(sound.plays.empty());
    EXPECT_NE(m.Steam.FrontExhaustArmed, '1');
    EXPECT_NE(m.Steam.RearExhaustArmed, '1');
}

// A view opened from a design file may hold any zoom: the steam never asks for more dots than
// the most magnified view of the zoom bar shows, so the picture of such a view still comes at once.
TEST_F(SceneRendererTest, AnAbsurdZoomAsksForNoMoreSteamDotsThanTheLargestZoom)
{
    m.SteamDisplayOn = true;
    m.Steam.FrontDensity = m.Steam.RearDensity = 2000;
    for (float zoom : {1e30f, 3000.0f}) {
        m.ViewScale = zoom;
        Render();
        EXPECT_EQ(m.Steam.FrontDots, RoundInt(2000 * 3000 / 18.5L)) << zoom;
    }
    m.ViewScale = std::nanf("");
    Render();
    EXPECT_EQ(m.Steam.FrontDots, 0);
}

TEST(BeatVolume, FollowsTheDensityTable)
{
    EXPECT_EQ(BeatVolume(23), 0u);
    EXPECT_EQ(BeatVolume(24), 0x07000700u);
    EXPECT_EQ(BeatVolume(100), 0x07000700u);
    EXPECT_EQ(BeatVolume(101), 0x14001400u);
    EXPECT_EQ(BeatVolume(1200), 0x70007000u);
    EXPECT_EQ(BeatVolume(2001), 0x80008000u);
    EXPECT_EQ(BeatVolume(2002), 0u);
}
