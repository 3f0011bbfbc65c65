// The vector canvas draws what the pixel canvas draws: each figure in the same place, on paper sizes too.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "PictureMatch.h"
#include "platform/Canvas.h"
#include "platform/HardCopy.h"
#include "platform/HardCopyReport.h"
#include "platform/PainterCanvas.h"

namespace zeph {
namespace {

using Drawing = std::function<void(Canvas&)>;

QImage Pixels(const Drawing& draw, QSize size = {120, 90})
{
    QImage image(size, QImage::Format_RGB32);
    ImageCanvas c(image);
    c.Clear(clWhite);
    draw(c);
    return image;
}

// The vector drawing rendered at `scale` times the size and then brought back to it.
QImage Vectors(const Drawing& draw, QSize size = {120, 90}, int scale = 1)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        PainterCanvas c(painter, size);
        draw(c);
    }
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ExpectSameDrawing(const Drawing& draw, const char* what)
{
    const QImage pixels = Pixels(draw), vectors = Vectors(draw);
    EXPECT_LT(test::UnmatchedInk(pixels, vectors, 1), 0.02) << what << ": a pixel line has no vector line beside it";
    EXPECT_LT(test::UnmatchedInk(vectors, pixels, 1), 0.02) << what << ": a vector line lies where no pixel line is";
}

TEST(PainterCanvas, EachPrimitiveLiesWhereThePixelCanvasPutsIt)
{
    ExpectSameDrawing([](Canvas& c) { c.MoveTo(5, 5); c.LineTo(110, 80); c.LineTo(110, 10); }, "lines");
    ExpectSameDrawing([](Canvas& c) { c.SetPenWidth(3); c.MoveTo(10, 70); c.LineTo(100, 20); }, "wide line");
    ExpectSameDrawing([](Canvas& c) { c.SetPenWidth(2); c.Rectangle(10, 10, 60, 40); }, "rectangle");
    ExpectSameDrawing([](Canvas& c) { c.Ellipse(10, 5, 110, 85); }, "ellipse");
    ExpectSameDrawing([](Canvas& c) { c.Polygon(QPolygon({{10, 10}, {100, 20}, {50, 80}}), clRed); }, "polygon");
    ExpectSameDrawing([](Canvas& c) { c.FillRect(20, 20, 60, 50, clBlue); c.SetPixel(100, 80, clBlack); }, "fills");
}

TEST(PainterCanvas, ArcsRunCounterClockwiseBetweenTheRadials)
{
    // Quarter arcs of a circle and of a wide ellipse, one in each quadrant: a wrong start or a
    // clockwise sweep draws the other three quarters.
    const int x[4][4] = {{120, 45, 60, 0}, {60, 0, 0, 45}, {0, 45, 60, 90}, {60, 90, 120, 45}};
    for (const auto& q : x) {
        ExpectSameDrawing([&](Canvas& c) { c.Arc(0, 0, 120, 90, q[0], q[1], q[2], q[3]); }, "quarter arc");
        ExpectSameDrawing([&](Canvas& c) { c.Arc(0, 20, 120, 70, q[0], q[1], q[2], q[3]); }, "flat arc");
    }
    ExpectSameDrawing([](Canvas& c) { c.Arc(10, 10, 80, 80, 80, 45, 80, 45); }, "whole arc");
}

TEST(PainterCanvas, TextStandsInTheGlyphsPlace)
{
    const Drawing text = [](Canvas& c) {
        c.SetFontSize(10);
        c.TextOut(4, 10, QStringLiteral("Lead 0.026"));
        c.SetFontBold(true);
        c.SetFontColor(clRed);
        c.TextOut(30, 50, QStringLiteral("Cut-off 75.0"));
    };
    const QImage pixels = Pixels(text), vectors = Vectors(text, {120, 90}, 4);
    EXPECT_LT(test::UnmatchedInk(pixels, vectors, 1), 0.1);
    EXPECT_LT(test::UnmatchedInk(vectors, pixels, 1), 0.1);
}

TEST(PainterCanvas, FiguresFarOffTheSurfaceLeaveItClean)
{
    const QImage vectors = Vectors([](Canvas& c) {
        c.MoveTo(-2000000000, -2000000000);
        c.LineTo(2000000000, -1999999000);
        c.Ellipse(500, 500, 2000000000, 2000000000);
        c.Rectangle(-2000000000, 200, -100, 300);
        c.TextOut(130, 10, QStringLiteral("gone"));
        c.FillRect(-5, -5, -1, -1, clBlack);
    });
    EXPECT_EQ(test::UnmatchedInk(vectors, Pixels([](Canvas&) {}), 0), 0.0);
    // A line through the surface from afar is clipped, not lost.
    ExpectSameDrawing([](Canvas& c) { c.MoveTo(-1000000, 45); c.LineTo(1000000, 45); }, "long line");
}

TEST(HardCopy, PdfAndSvgHoldThePagesAndTheText)
{
    const HardCopy copy = DrawingCopy(QStringLiteral("Test drawing"), {200, 100}, [](Canvas& c) {
        c.MoveTo(0, 0);
        c.LineTo(199, 99);
        c.TextOut(10, 10, QStringLiteral("Lap"));
    });
    const QByteArray pdf = PdfBytes(copy), svg = SvgBytes(copy);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 200 100\""));
    EXPECT_TRUE(svg.contains(">Lap</text>")) << "the SVG holds the text as text";
    EXPECT_EQ(FormatOfPath(QStringLiteral("a/B.PDF")), HardCopyFormat::Pdf);
    EXPECT_EQ(FormatOfPath(QStringLiteral("b.svg")), HardCopyFormat::Svg);
    EXPECT_FALSE(FormatOfPath(QStringLiteral("c.png")));
}

// Each page of a report painted into an image of its own.
std::vector<QImage> Pages(const HardCopy& copy)
{
    std::vector<QImage> pages;
    for (int i = 0; i < copy.pages; ++i) {
        QImage page(copy.pageSize.toSize(), QImage::Format_RGB32);
        page.fill(Qt::black);
        QPainter painter(&page);
        copy.paint(painter, i);
        pages.push_back(page);
    }
    return pages;
}

bool HasRed(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixel(x, y) == qRgb(255, 0, 0)) return true;
    return false;
}

TEST(HardCopyReport, LongTablesRunOnAndThePlotComesLast)
{
    const HardCopy plot = DrawingCopy(QString(), {400, 300}, [](Canvas& c) { c.FillRect(0, 0, 400, 300, clRed); });
    HardCopyReport report{QStringLiteral("Events"), {QStringLiteral("Design: test.dzg")}, {}, plot};
    ReportTable table{QStringLiteral("Rows"), {QStringLiteral("Row"), QStringLiteral("Value")}, {}};
    for (int i = 0; i < 5; ++i) table.rows.push_back({QString::number(i), QStringLiteral("1.000")});
    report.tables = {table};
    const std::vector<QImage> one = Pages(ReportCopy(report));
    ASSERT_EQ(one.size(), 1u) << "a short report and its plot share one page";
    EXPECT_TRUE(HasRed(one[0]));

    // Just over a page at full size: set smaller to stay on one.
    HardCopyReport spill = report;
    spill.plot.reset();
    for (int i = 0; i < 55; ++i) spill.tables[0].rows.push_back({QString::number(i), QStringLiteral("2.000")});
    HardCopyReport fullSize = spill;
    fullSize.tables.push_back(fullSize.tables[0]);
    EXPECT_EQ(ReportCopy(spill).pages, 1);
    EXPECT_GT(ReportCopy(fullSize).pages, 1) << "twice as much does not shrink onto one page";

    for (int i = 0; i < 200; ++i) report.tables[0].rows.push_back({QString::number(i), QStringLiteral("<b>&")});
    const std::vector<QImage> many = Pages(ReportCopy(report));
    ASSERT_GE(many.size(), 3u);
    for (size_t i = 0; i + 1 < many.size(); ++i) EXPECT_FALSE(HasRed(many[i])) << "page " << i;
    EXPECT_TRUE(HasRed(many.back()));
    for (const QImage& page : many) EXPECT_EQ(page.pixel(2, 2), qRgb(255, 255, 255)) << "every page is white paper";
}

}  // namespace
}  // namespace zeph
