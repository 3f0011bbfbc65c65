// Lines, pen widths, pixels, rectangles and clipping of the image canvas.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "CanvasTestSupport.h"

namespace zeph::test {

namespace {

PixelSet Line(int x0, int y0, int x1, int y1, int width = 1)
{
    Picture p;
    p.canvas.SetPenWidth(width);
    p.canvas.MoveTo(x0, y0);
    p.canvas.LineTo(x1, y1);
    return p.Drawn();
}

}  // namespace

TEST(CanvasLine, StartPixelDrawnEndPixelNot)
{
    EXPECT_EQ(Line(2, 5, 6, 5), (PixelSet{{2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    EXPECT_EQ(Line(6, 5, 2, 5), (PixelSet{{6, 5}, {5, 5}, {4, 5}, {3, 5}}));
    EXPECT_EQ(Line(3, 1, 3, 4), (PixelSet{{3, 1}, {3, 2}, {3, 3}}));
    EXPECT_EQ(Line(1, 1, 4, 4), (PixelSet{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Line(4, 1, 1, 4), (PixelSet{{4, 1}, {3, 2}, {2, 3}}));
    EXPECT_TRUE(Line(7, 7, 7, 7).empty());
}

TEST(CanvasLine, ShallowLineStepsOncePerColumnAndFollowsTheExactLine)
{
    const PixelSet pixels = Line(0, 0, 10, 3);
    ASSERT_EQ(pixels.size(), 10u);
    for (const auto& [x, y] : pixels)
        EXPECT_LE(std::abs(y - x * 3.0 / 10), 0.5) << x;
}

TEST(CanvasLine, PathContinuesFromTheEndWithoutGapOrOverlap)
{
    Picture p;
    p.canvas.MoveTo(1, 1);
    p.canvas.LineTo(5, 1);
    p.canvas.LineTo(5, 4);
    p.canvas.LineTo(1, 1);
    EXPECT_EQ(p.canvas.PenPos(), QPoint(1, 1));
    EXPECT_TRUE(p.Drawn().count({5, 1}));  // corner drawn by the second line
    EXPECT_TRUE(p.Drawn().count({5, 4}));
}

TEST(CanvasLine, PenColourAndWidthTwoDoubleTheLineRightAndDown)
{
    Picture p;
    p.canvas.SetPenColor(clRed);
    p.canvas.SetPenWidth(2);
    p.canvas.MoveTo(2, 5);
    p.canvas.LineTo(6, 5);
    EXPECT_EQ(p.PixelsOf(clRed), (PixelSet{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
    EXPECT_EQ(Line(3, 1, 3, 3, 2), (PixelSet{{3, 1}, {4, 1}, {3, 2}, {4, 2}, {3, 3}, {4, 3}}));
    EXPECT_EQ(Line(10, 10, 11, 10, 3), (PixelSet{{9, 9}, {10, 9}, {11, 9}, {9, 10}, {10, 10}, {11, 10}, {9, 11}, {10, 11}, {11, 11}}));
}

TEST(CanvasLine, WidthIsKeptInRange)
{
    RecordingCanvas c;
    c.SetPenWidth(0);
    EXPECT_EQ(c.PenWidth(), 1);
    c.SetPenWidth(INT_MAX);
    EXPECT_EQ(c.PenWidth(), Canvas::MaxPenWidth);
}

TEST(CanvasLine, ClipsLinesFarOutsideAndKeepsTheVisiblePart)
{
    // A horizontal line from far left to far right covers the whole row, and no more.
    Picture p;
    p.canvas.MoveTo(INT_MIN, 10);
    p.canvas.LineTo(INT_MAX, 10);
    EXPECT_EQ(p.Drawn().size(), 64u);
    EXPECT_EQ(p.Bounds(), QRect(0, 10, 64, 1));
    // A steep line from outside enters at the right place.
    EXPECT_EQ(Line(5, -1000000, 5, 3), (PixelSet{{5, 0}, {5, 1}, {5, 2}}));
    // A diagonal through the corner region stays exact when clipped.
    const PixelSet clipped = Line(-100, -100, 20, 20);
    PixelSet expected;
    for (int i = 0; i < 20; ++i)
        expected.insert({i, i});
    EXPECT_EQ(clipped, expected);
    EXPECT_TRUE(Line(INT_MIN, INT_MIN, INT_MIN + 5, INT_MAX).empty());
}

TEST(CanvasPixels, SetPixelIgnoresAnythingOutside)
{
    Picture p;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {64, 0}, {0, 48}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MAX, 3}})
        p.canvas.SetPixel(x, y, clBlue);
    EXPECT_TRUE(p.Drawn().empty());
    p.canvas.SetPixel(0, 0, clBlue);
    p.canvas.SetPixel(63, 47, clGreen);
    EXPECT_EQ(p.At(0, 0), clBlue);
    EXPECT_EQ(p.At(63, 47), clGreen);
}

TEST(CanvasPixels, FillRectExcludesRightAndBottomAndClips)
{
    Picture p;
    p.canvas.FillRect(5, 6, 2, 3, clAqua);  // corners in any order
    EXPECT_EQ(p.Bounds(), QRect(2, 3, 3, 3));
    p.canvas.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, clGray);
    EXPECT_EQ(p.PixelsOf(clGray).size(), 64u * 48u);
    p.canvas.Clear(clFuchsia);
    EXPECT_EQ(p.PixelsOf(clFuchsia).size(), 64u * 48u);
}

TEST(CanvasPixels, RectangleOutlinesTheSameCellsAsFillRect)
{
    Picture p;
    p.canvas.Rectangle(2, 3, 6, 6);
    EXPECT_EQ(p.Drawn(), (PixelSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {2, 4}, {5, 4}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    Picture dot;
    dot.canvas.Rectangle(7, 7, 8, 8);
    EXPECT_EQ(dot.Drawn(), (PixelSet{{7, 7}}));
}

TEST(CanvasPixels, PolygonIsFilledAndOutlinedInPenColour)
{
    Picture p;
    p.canvas.SetPenColor(clBlack);
    p.canvas.Polygon(QPolygon({QPoint(2, 2), QPoint(12, 2), QPoint(12, 8), QPoint(2, 8)}), clLime);
    EXPECT_EQ(p.Bounds(), QRect(2, 2, 11, 7));
    EXPECT_EQ(p.PixelsOf(clLime).size(), 9u * 5u);
    EXPECT_EQ(p.At(7, 5), clLime);
    EXPECT_EQ(p.At(2, 2), clBlack);
    EXPECT_EQ(p.At(12, 8), clBlack);
    Picture huge;
    huge.canvas.Polygon(QPolygon({QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MIN), QPoint(0, INT_MAX)}), clLime);
    EXPECT_FALSE(huge.PixelsOf(clLime).empty());
}

TEST(CanvasPixels, DrawingDoesNotReachCopiesOfTheImage)
{
    Picture p;
    const QImage before = p.image;  // shares the pixels until the canvas writes
    p.canvas.SetPixel(1, 1, clRed);
    p.canvas.MoveTo(0, 5);
    p.canvas.LineTo(9, 5);
    EXPECT_EQ(FromQRgb(before.pixel(1, 1)), clWhite);
    EXPECT_EQ(FromQRgb(before.pixel(3, 5)), clWhite);
    EXPECT_EQ(p.At(1, 1), clRed);
}

// The canvas knows where it wrote, so that a painter may whiten only that area again.
TEST(CanvasPixels, EveryWayOfDrawingRecordsTheAreaItWrote)
{
    const std::vector<std::function<void(ImageCanvas&)>> draws = {
        [](ImageCanvas& c) { c.MoveTo(3, 40), c.LineTo(60, 7); },
        [](ImageCanvas& c) { c.SetPenWidth(3), c.MoveTo(-20, 10), c.LineTo(90, 12); },
        [](ImageCanvas& c) { c.Ellipse(10, 5, 30, 21); },
        [](ImageCanvas& c) { c.Arc(10, 5, 30, 41, 30, 5, 10, 5); },
        [](ImageCanvas& c) { c.Rectangle(4, 44, 9, 60); },
        [](ImageCanvas& c) { c.Polygon(QPolygon({QPoint(5, 9), QPoint(30, 20), QPoint(8, 33)}), clLime); },
        [](ImageCanvas& c) { c.SetPixel(7, 17, clRed); },
        [](ImageCanvas& c) {
            const QPoint dots[] = {{2, 30}, {9, 3}, {70, 1}, {5, 47}};
            c.SetPixels(dots, 4, clBlue);
        },
        [](ImageCanvas& c) { c.FillRect(-5, 45, 10, 50, clRed); },
        [](ImageCanvas& c) { c.TextOut(2, 20, "Ag"); },
    };
    for (size_t i = 0; i < draws.size(); ++i) {
        Picture p;
        ImageCanvas fresh(p.image);
        draws[i](fresh);
        const QRect drawn = p.Bounds();
        ASSERT_FALSE(drawn.isEmpty()) << i;
        const ImageCanvas::Area written = fresh.WrittenArea();
        EXPECT_EQ(QRect(QPoint(written.left, written.top), QPoint(written.right - 1, written.bottom - 1)), drawn) << i;
    }
}

TEST(CanvasColour, RedLivesInTheLowByte)
{
    EXPECT_EQ(ToQRgb(clRed), qRgb(255, 0, 0));
    EXPECT_EQ(ToQRgb(clGreen), qRgb(0, 128, 0));
    EXPECT_EQ(ToQRgb(clBlue), qRgb(0, 0, 255));
    EXPECT_EQ(ToQRgb(clAqua), qRgb(0, 255, 255));
    EXPECT_EQ(ToQRgb(clFuchsia), qRgb(255, 0, 255));
    EXPECT_EQ(FromQRgb(qRgba(12, 34, 56, 0)), 12u + 34u * 256 + 56u * 65536);
    EXPECT_EQ(FromQRgb(ToQRgb(0xFF123456)), 0x123456u);
}

}  // namespace zeph::test
