// Text on the image canvas, its mixing with pixel writes, and the recording canvas.
#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>
#include <climits>

#include "CanvasTestSupport.h"

namespace zeph::test {

TEST(CanvasText, DefaultFontIsEightPointRegularBlack)
{
    RecordingCanvas c;
    EXPECT_EQ(c.FontSize(), 8);
    EXPECT_FALSE(c.FontBold());
    EXPECT_EQ(c.FontColor(), clBlack);
    EXPECT_EQ(c.FontName(), QGuiApplication::font().family());
}

TEST(CanvasText, DrawnBelowRightOfTopLeftInFontColourOnlyWithinItsCell)
{
    Picture p(200, 60);
    p.canvas.FillRect(0, 0, 200, 60, clSilver);
    p.canvas.SetFontColor(clRed);
    p.canvas.TextOut(20, 10, "ADMISSION 12.5");
    const QRect ink = [&] {
        QRect r;
        for (const auto& [x, y] : p.PixelsOf(clRed))
            r |= QRect(x, y, 1, 1);
        return r;
    }();
    ASSERT_FALSE(ink.isEmpty());
    const int width = p.canvas.TextWidth("ADMISSION 12.5"), height = p.canvas.TextHeight("ADMISSION 12.5");
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.left(), 22);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.top(), 10 + height / 2);
    EXPECT_LE(ink.right(), 20 + width);
    EXPECT_LE(ink.bottom(), 10 + height);
    EXPECT_GE(height, 9);
    EXPECT_LE(height, 16);
    // Transparent background, crisp glyphs: every pixel is either untouched or text colour.
    EXPECT_EQ(p.PixelsOf(clSilver).size() + p.PixelsOf(clRed).size(), 200u * 60u);
}

TEST(CanvasText, WidthGrowsWithTextAndBoldIsWider)
{
    Picture p;
    EXPECT_EQ(p.canvas.TextWidth(""), 0);
    EXPECT_LT(p.canvas.TextWidth("1"), p.canvas.TextWidth("12345"));
    const int regular = p.canvas.TextWidth("EXPANSION");
    p.canvas.SetFontBold(true);
    EXPECT_GT(p.canvas.TextWidth("EXPANSION"), regular);
    p.canvas.SetFontSize(16);
    EXPECT_GT(p.canvas.TextHeight("X"), 16);
}

TEST(CanvasText, InterleavesWithPixelWritesInCallOrder)
{
    Picture p(120, 30);
    p.canvas.SetPixel(2, 2, clBlue);
    p.canvas.TextOut(10, 5, "8888");
    p.canvas.SetPixel(3, 3, clBlue);
    p.canvas.FillRect(10, 5, 14, 30, clLime);  // covers the first glyph's left part
    p.canvas.SetFontColor(clFuchsia);
    p.canvas.TextOut(60, 5, "8888");
    EXPECT_EQ(p.At(2, 2), clBlue);
    EXPECT_EQ(p.At(3, 3), clBlue);
    EXPECT_FALSE(p.PixelsOf(clBlack).empty());
    EXPECT_FALSE(p.PixelsOf(clFuchsia).empty());
    for (int y = 5; y < 30; ++y)
        for (int x = 10; x < 14; ++x)
            ASSERT_EQ(p.At(x, y), clLime) << x << "," << y;
}

TEST(CanvasText, ClipsAndSurvivesOddText)
{
    Picture p(40, 20);
    p.canvas.TextOut(-5, -5, "ABC");
    p.canvas.TextOut(INT_MAX - 3, INT_MAX - 3, "ABC");
    p.canvas.TextOut(INT_MIN, 5, "ABC");
    p.canvas.TextOut(30, 5, QString(100000, u'W'));
    p.canvas.TextOut(0, 0, QString::fromUtf8("\xF0\x9F\x9A\x82 \xC3\xA9"));
    p.canvas.TextOut(0, 0, QString(1, QChar(0xD800)));  // lone surrogate
    EXPECT_FALSE(p.Drawn().empty());
}

TEST(RecordingCanvasTest, RecordsCallsWithTheStateInForce)
{
    RecordingCanvas c;
    c.SetPenColor(clRed);
    c.SetPenWidth(2);
    c.MoveTo(1, 2);
    c.LineTo(3, 4);
    c.SetFontColor(clGreen);
    c.SetFontBold(true);
    c.TextOut(10, 20, "EXHAUST");
    c.SetPixel(5, 6, clBlue);

    const CanvasCall* text = c.FindText("EXHAUST");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->x(), 10);
    EXPECT_EQ(text->y(), 20);
    EXPECT_EQ(text->fontColor, clGreen);
    EXPECT_TRUE(text->fontBold);
    EXPECT_EQ(c.FindText("EXPANSION"), nullptr);

    const auto lines = c.Calls(CanvasOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->from, QPoint(1, 2));
    EXPECT_EQ(lines[0]->args, (std::vector<int>{3, 4}));
    EXPECT_EQ(lines[0]->penColor, clRed);
    EXPECT_EQ(lines[0]->penWidth, 2);
    EXPECT_EQ(c.PenPos(), QPoint(3, 4));
    EXPECT_EQ(c.Calls(CanvasOp::SetPixel)[0]->color, clBlue);
    EXPECT_EQ(c.Texts(), QStringList{"EXHAUST"});
}

TEST(RecordingCanvasTest, ForwardsToItsTarget)
{
    Picture p;
    RecordingCanvas c(&p.canvas);
    c.SetPenColor(clRed);
    c.MoveTo(0, 0);
    c.LineTo(5, 0);
    c.SetFontColor(clBlue);
    c.TextOut(0, 10, "7");
    EXPECT_EQ(p.PixelsOf(clRed).size(), 5u);
    EXPECT_FALSE(p.PixelsOf(clBlue).empty());
    EXPECT_EQ(p.canvas.PenPos(), QPoint(5, 0));
    EXPECT_EQ(c.TextWidth("123"), p.canvas.TextWidth("123"));
}

}  // namespace zeph::test
