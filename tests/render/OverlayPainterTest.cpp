// The user lines and circles and the pivot-data panel at their pixels, and the pivot prompt.
#include <QImage>
#include <gtest/gtest.h>
#include <limits>

#include "QStringPrinter.h"
#include "model/tick/AnimationTick.h"
#include "model/overlay/LineOverlay.h"
#include "model/overlay/PivotData.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "render/scene/PivotDataPainter.h"
#include "render/scene/ReadoutPainter.h"
#include "render/scene/ScenePainter.h"
#include "render/scene/UserLinesPainter.h"
#include "render/scene/SceneGeometry.h"

using namespace zeph;

namespace {

// The start view maps model (x, y) to pixel (115 + 28 x, 270 - 28 y).
class OverlayPainterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.StartUp();
        SolveAndMap(m);
        image = QImage(ScenePainter::Width, ScenePainter::Height, QImage::Format_RGB32);
        image.fill(Qt::white);
    }

    // Only the user lines, onto a white picture.
    void PaintLines()
    {
        ImageCanvas canvas(image);
        DrawUserLines(canvas, m);
    }
    TColor At(int x, int y) const { return FromQRgb(image.pixel(x, y)); }
    int CountInBox(int x1, int y1, int x2, int y2, TColor colour) const
    {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) n += At(x, y) == colour;
        return n;
    }
    static QPoint At(const CanvasCall* call) { return call ? QPoint(call->x(), call->y()) : QPoint(-1, -1); }

    MechanismModel m;
    QImage image;
};

TEST_F(OverlayPainterTest, FixedLineRunsBetweenItsPointsInItsColour)
{
    m.Lines[1] = {0, 16711680, 0, 0, 5, 4, 5};  // blue, from (0, 5) to (4, 5)
    PaintLines();
    EXPECT_EQ(At(115, 130), clBlue);
    EXPECT_EQ(At(170, 130), clBlue);
    EXPECT_EQ(At(226, 130), clBlue);
    EXPECT_EQ(At(227, 130), clWhite);  // the end pixel is not drawn
    EXPECT_EQ(At(170, 129), clWhite);
    EXPECT_EQ(At(170, 131), clWhite);
    EXPECT_EQ(CountInBox(0, 0, 1280, 1024, clBlue), 112);

    m.LineWidth = 2;
    image.fill(Qt::white);
    ImageCanvas canvas(image);
    canvas.SetPenWidth(m.LineWidth);
    DrawUserLines(canvas, m);
    EXPECT_EQ(At(170, 131), clBlue);  // the scene's pen width
}

TEST_F(OverlayPainterTest, CircleBoxReachesOnePixelFurtherRightAndDown)
{
    m.Lines[2] = {1, 255, 0, -2, 6, 1, 0};  // red circle of radius 1 about (-2, 6)
    RecordingCanvas rec;
    DrawUserLines(rec, m);
    const std::vector<const CanvasCall*> ellipses = rec.Calls(CanvasOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0]->args, (std::vector<int>{31, 74, 88, 131}));
    EXPECT_EQ(ellipses[0]->penColor, clRed);

    PaintLines();
    EXPECT_EQ(At(31, 102), clRed);   // left
    EXPECT_EQ(At(87, 102), clRed);   // right, the extra column
    EXPECT_EQ(At(59, 74), clRed);    // top
    EXPECT_EQ(At(59, 130), clRed);   // bottom, the extra row
    EXPECT_EQ(At(59, 102), clWhite); // never filled
    EXPECT_EQ(At(88, 102), clWhite);
}

TEST_F(OverlayPainterTest, CarriedCircleFollowsItsPivot)
{
    m.Lines[1] = {1, 0, 1, 0.5f, 0, 1, 0, float(CrankPin)};
    RecordingCanvas first;
    DrawUserLines(first, m);
    const ScreenPt before = MapScene(m).pivots[CrankPin];
    m.DriverAngle = 90;
    SolveAndMap(m);
    RecordingCanvas second;
    DrawUserLines(second, m);
    const ScreenPt after = MapScene(m).pivots[CrankPin];
    ASSERT_EQ(first.Calls(CanvasOp::Ellipse).size(), 1u);
    ASSERT_EQ(second.Calls(CanvasOp::Ellipse).size(), 1u);
    const int dx = after.x - before.x, dy = after.y - before.y;
    const std::vector<int>& a = first.Calls(CanvasOp::Ellipse)[0]->args;
    const std::vector<int>& b = second.Calls(CanvasOp::Ellipse)[0]->args;
    EXPECT_NEAR(b[0] - a[0], dx, 1);
    EXPECT_NEAR(b[1] - a[1], dy, 1);
    EXPECT_NEAR(b[2] - a[2], dx, 1);
    EXPECT_NEAR(b[3] - a[3], dy, 1);
}

TEST_F(OverlayPainterTest, SlotsThatHoldNoSenseDrawNothingAndLeaveThePenBlack)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    m.Lines[1] = {0, 255, 1, 0, 0, 1, 1, 40};       // pivot beyond the table
    m.Lines[2] = {0, nan, 0, 0, 0, 1, 1};           // colour not a number
    m.Lines[3] = {1, 255, 0, nan, 0, 1, 0};         // centre not a number
    m.Lines[4] = {5, 255, 0, 0, 0, 1, 1};           // no such type
    m.Lines[20] = {-1, 1e12f, 0};                   // empty, colour out of range
    RecordingCanvas rec;
    DrawUserLines(rec, m);
    EXPECT_TRUE(rec.Calls(CanvasOp::LineTo).empty());
    EXPECT_TRUE(rec.Calls(CanvasOp::Ellipse).empty());
    EXPECT_EQ(rec.PenColor(), clBlack);
}

TEST_F(OverlayPainterTest, LastSlotsColourStaysForTheReferenceCrosses)
{
    m.Lines[20].colour = 32768;  // green, the slot itself empty
    m.RefPointsOn = true;
    m.Pivots[RefPoint1].x = 3;
    m.Pivots[RefPoint1].y = -6;  // pixel (199, 438), clear of the mechanism
    SolveAndMap(m);
    ScenePainter painter;
    painter.Paint(image, m);
    EXPECT_EQ(At(199, 432), clGreen);
    EXPECT_EQ(At(193, 438), clGreen);
}

TEST_F(OverlayPainterTest, PanelListsSixSlotsWithPositionsNumbersOnTheDrawingAndPairDistances)
{
    m.PivotDataOn = true;
    PivotDataState& d = m.PivotData;
    d.PivotSlot[1] = CrankPin;  // (1.5, 0) at 0 degrees
    d.PivotSlot[2] = Crosshead;  // (11.5, 0)
    d.PivotSlot[3] = Crosshead;
    d.PivotSlotShown[1] = d.PivotSlotShown[2] = d.PivotSlotShown[3] = true;
    RecordingCanvas rec;
    DrawPivotData(rec, m, {});
    EXPECT_EQ(At(rec.FindText("    Pivot Data")), QPoint(1, 128));
    EXPECT_EQ(At(rec.FindText("No.  Vert     Horz")), QPoint(1, 138));
    const QStringList texts = rec.Texts();
    for (int k = 1; k <= 6; ++k) {
        const CanvasCall* number = nullptr;
        for (const CanvasCall* c : rec.Calls(CanvasOp::TextOut))
            if (c->text == QString::number(k) && c->x() == 3) number = c;
        ASSERT_NE(number, nullptr) << k;
        EXPECT_EQ(number->y(), 140 + 10 * k);
        EXPECT_EQ(number->fontColor, clRed);
    }
    EXPECT_EQ(At(rec.FindText("  1.500")), QPoint(50, 150));
    EXPECT_EQ(rec.FindText("  1.500")->fontColor, clBlack);
    EXPECT_EQ(At(rec.FindText(" 11.500")), QPoint(50, 160));
    EXPECT_EQ(At(rec.FindText(" 10.000")), QPoint(90, 155));  // slots 1 and 2 are 10 apart
    EXPECT_EQ(texts.count("  0.000"), 3);                      // the three verticals; 3-4 has no pair
    // The digit beside the crank pin at pixel (157, 270): 4 right, 12 up, not scaled.
    const CanvasCall* onDrawing = nullptr;
    for (const CanvasCall* c : rec.Calls(CanvasOp::TextOut))
        if (c->text == "1" && c->x() != 3) onDrawing = c;
    ASSERT_NE(onDrawing, nullptr);
    EXPECT_EQ(At(onDrawing), QPoint(157 + 4, 270 - 12));
    EXPECT_EQ(onDrawing->fontColor, clRed);
    EXPECT_EQ(rec.FontColor(), clBlack);

    RecordingCanvas large;
    DrawPivotData(large, m, TextScaleFor(true));
    EXPECT_EQ(At(large.FindText(" 10.000")), QPoint(114, 189));
    EXPECT_EQ(At(large.FindText("  1.500")), QPoint(63, 183));  // 1.27f * 50 lies just below 63.5

    // In the picture: red slot numbers, black values.
    ScenePainter painter;
    painter.Paint(image, m);
    EXPECT_GT(CountInBox(3, 150, 10, 160, clRed), 3);
    EXPECT_GT(CountInBox(50, 150, 88, 160, clBlack), 10);
    EXPECT_GT(CountInBox(161, 258, 168, 268, clRed), 3);
}

TEST_F(OverlayPainterTest, PanelOnlyWithPivotDataAndScreenData)
{
    m.PivotDataOn = false;
    RecordingCanvas off;
    DrawReadouts(off, m, {});
    EXPECT_EQ(off.FindText("    Pivot Data"), nullptr);
    m.PivotDataOn = true;
    RecordingCanvas on;
    DrawReadouts(on, m, {});
    EXPECT_NE(on.FindText("    Pivot Data"), nullptr);
    m.ScreenDataOn = false;
    RecordingCanvas hidden;
    DrawReadouts(hidden, m, {});
    EXPECT_EQ(hidden.FindText("    Pivot Data"), nullptr);
}

TEST_F(OverlayPainterTest, PromptNamesOneOrTwoPivotsByTheReferenceChoice)
{
    m.LinePromptOn = true;
    m.LineDialog.ReferenceChoice = 1;
    RecordingCanvas one;
    DrawReadouts(one, m, {});
    ASSERT_NE(one.FindText("STOP MOTION AND SELECT PIVOT 1"), nullptr);
    EXPECT_EQ(At(one.FindText("USE LEFT MOUSE BUTTON")), QPoint(10, 143));
    EXPECT_TRUE(one.FindText("USE LEFT MOUSE BUTTON")->fontBold);
    EXPECT_EQ(one.FindText("USE LEFT MOUSE BUTTON")->fontColor, clRed);

    m.LineDialog.ReferenceChoice = 3;
    RecordingCanvas two;
    DrawReadouts(two, m, {});
    EXPECT_EQ(At(two.FindText("STOP MOTION AND SELECT PIVOT 1 AND PIVOT 2")), QPoint(10, 130));
    EXPECT_NE(two.FindText("MOVE MOTION IF NECESSARY TO CLEAR PIVOTS"), nullptr);

    m.LineDialog.ReferenceChoice = -1;  // a row was clicked while the prompt showed
    RecordingCanvas none;
    DrawReadouts(none, m, {});
    EXPECT_EQ(none.FindText("STOP MOTION AND SELECT PIVOT 1"), nullptr);
    EXPECT_FALSE(none.FontBold());
}

TEST(PivotSlotRowLayout, TakePressesOnlyStrictlyInsideTheirBands)
{
    TextScale normal;
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 152), 0);
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 153), 1);
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 160), 1);
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 161), 0);  // the gap between two rows
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 163), 2);
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 210), 6);
    EXPECT_EQ(PivotSlotRowAt(normal, 10, 211), 0);
    EXPECT_EQ(PivotSlotRowAt(normal, 1, 155), 1);
    EXPECT_EQ(PivotSlotRowAt(normal, 19, 155), 1);
    EXPECT_EQ(PivotSlotRowAt(normal, 0, 155), 0);
    EXPECT_EQ(PivotSlotRowAt(normal, 20, 155), 0);
    // The large font moves the bands: slot 1 runs from round(1.22 * 152) = 185 to round(1.22 * 161) = 196,
    // the columns to round(1.27 * 20) = 25.
    const TextScale large = TextScaleFor(true);
    EXPECT_EQ(PivotSlotRowAt(large, 10, 185), 0);
    EXPECT_EQ(PivotSlotRowAt(large, 10, 186), 1);
    EXPECT_EQ(PivotSlotRowAt(large, 10, 195), 1);
    EXPECT_EQ(PivotSlotRowAt(large, 10, 196), 0);
    EXPECT_EQ(PivotSlotRowAt(large, 24, 190), 1);
    EXPECT_EQ(PivotSlotRowAt(large, 25, 190), 0);
}

}  // namespace
