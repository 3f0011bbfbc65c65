// Sine and oval pictures: scale, list, numbers, mid-gear figures, port lines and curve pixels.
#include <QImage>
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/DiagramPainter.h"
#include "model/ValveCurves.h"
#include "render/OvalDiagramPainter.h"
#include "render/SineDiagramPainter.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::PixelAt;
using test::SetDiagramList;
using test::TextAt;
using test::TextOf;
using test::TextCalls;

// Horizontal scale ticks between x 39 (or 36) and x 44, by their row.
std::vector<int> TickRows(const RecordingCanvas& c, int fromX)
{
    std::vector<int> rows;
    for (const CanvasCall* call : c.Calls(CanvasOp::LineTo))
        if (call->from.x() == fromX && call->x() == 44 && call->from.y() == call->y()) rows.push_back(call->y());
    return rows;
}

TEST(SinePicture, ScaleOfOneAndAHalf)
{
    MechanismModel m = DiagramModel();
    RecordingCanvas c;
    PaintDiagram(c, m, ComputeDiagram(m, DiagramKind::Sine), "");
    EXPECT_NE(TextAt(c, 9, 18), nullptr);
    EXPECT_EQ(TextOf(c, 50, 18), "1.5");
    const auto minor = TickRows(c, 39);
    ASSERT_EQ(minor.size(), 61u);  // g = 6: h from -30 to 30
    EXPECT_EQ(minor.front(), 65);
    EXPECT_EQ(minor.back(), 365);
    EXPECT_EQ(TickRows(c, 36).size(), 13u);
    EXPECT_EQ(TextOf(c, 14, 60), "0.6");   // positive labels at the top
    EXPECT_EQ(TextOf(c, 14, 360), "-0.6");
    EXPECT_EQ(TextOf(c, 14, 210), "0.0");
}

TEST(SinePicture, ScaleOfFourKeepsEveryFifthTick)
{
    MechanismModel m = DiagramModel();
    m.DiagramVScale = 4.0f;
    RecordingCanvas c;
    PaintDiagram(c, m, ComputeDiagram(m, DiagramKind::Sine), "");
    EXPECT_EQ(TickRows(c, 39).size(), 33u);  // g = 16: h = -80, -75, ..., 80
    QStringList labels;
    for (const CanvasCall* call : c.Calls(CanvasOp::TextOut))
        if (call->x() == 14) labels << call->text;
    EXPECT_EQ(labels, (QStringList{"-1.5", "-1.0", "-0.5", "0.0", "0.5", "1.0", "1.5"}));
}

TEST(SinePicture, ListRowsNumbersAndMidGearFigures)
{
    MechanismModel m = DiagramModel();
    RecordingCanvas c;
    PaintDiagram(c, m, ComputeDiagram(m, DiagramKind::Sine), "");
    EXPECT_EQ(TextOf(c, 500, 0), "Reverse Arm Positions");
    EXPECT_EQ(TextOf(c, 580, 13), " 3.769");
    const char* sides[] = {"Cen", "Fwd", "Rev"};
    for (int k = 1; k <= 3; ++k) {
        const int y = 12 + 12 * k;
        EXPECT_EQ(TextOf(c, 545, y), QString("    %1").arg(k));
        EXPECT_EQ(TextOf(c, 533, y), sides[k - 1]);
        const auto bold = TextCalls(c, QString(" %1").arg(k));
        ASSERT_EQ(bold.size(), 1u);
        EXPECT_EQ(bold[0]->x(), 45);
        EXPECT_TRUE(bold[0]->fontBold);
    }
    EXPECT_EQ(TextCalls(c, "Lead").size(), 2u);
    EXPECT_EQ(TextCalls(c, "ExCl").size(), 1u);
    EXPECT_EQ(TextOf(c, 595, 153), "Lead");
    for (int y : {166, 195, 224, 237, 266, 295}) EXPECT_NE(TextAt(c, 592, y), nullptr) << y;
    EXPECT_EQ(TextOf(c, 592, 195), " 0.158");
    EXPECT_FALSE(c.FontBold());
}

TEST(SinePicture, PortLinesAndCurvePixels)
{
    MechanismModel m = DiagramModel();
    QImage image(DiagramClientSize, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    EraseDiagram(canvas);
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    PaintSineDiagram(canvas, m, d, "", {});
    EXPECT_EQ(PixelAt(image, 20, 176), clLime);
    EXPECT_EQ(PixelAt(image, 20, 130), clLime);
    EXPECT_EQ(PixelAt(image, 20, 254), clRed);
    EXPECT_EQ(PixelAt(image, 20, 300), clRed);
    EXPECT_EQ(PixelAt(image, 20, 215), clRed);   // rear exhaust line drawn over the front one
    EXPECT_EQ(PixelAt(image, 582, 176), clLime);
    EXPECT_EQ(PixelAt(image, 583, 176), clWhite);  // end pixel left out
    // Every curve goes through its points (the last one is where the last line stops).
    for (const ValveCurve& curve : d.curves)
        for (size_t i = 0; i + 1 < curve.points.size(); ++i)
            EXPECT_EQ(PixelAt(image, curve.points[i].x, curve.points[i].y), clBlack) << curve.entry.index << " " << i;
}

TEST(SinePicture, EmptyListKeepsGridScaleAndPortLines)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {});
    RecordingCanvas c;
    PaintDiagram(c, m, ComputeDiagram(m, DiagramKind::Sine), "");
    EXPECT_TRUE(TextCalls(c, "Lead").empty());
    EXPECT_EQ(TextAt(c, 545, 24), nullptr);
    EXPECT_EQ(test::LinesIn(c, clLime), 3);
    EXPECT_EQ(test::LinesIn(c, clRed), 3);
    EXPECT_NE(c.FindText("Driver Clockwise Rotation --->"), nullptr);
}

TEST(OvalPicture, EndLinesLabelsAndTwoNumbersPerCurve)
{
    MechanismModel m = DiagramModel();
    QImage image(OvalClientSize, QImage::Format_RGB32);
    ImageCanvas target(image);
    EraseDiagram(target);
    RecordingCanvas c(&target);
    PaintDiagram(c, m, ComputeDiagram(m, DiagramKind::Oval), "");
    EXPECT_EQ(TextOf(c, 15, 60), "0.6");  // the scale labels one pixel further right
    EXPECT_EQ(TextOf(c, 577, 348), "0");
    EXPECT_EQ(TextOf(c, 45, 353), "100");
    EXPECT_EQ(TextOf(c, 523, 353), "10");
    EXPECT_EQ(TextOf(c, 430, 160), "Front Steam Port Open");
    for (int k = 1; k <= 3; ++k) {
        const auto bold = TextCalls(c, QString(" %1").arg(k));
        ASSERT_EQ(bold.size(), 2u) << k;
        EXPECT_EQ(bold[0]->x(), 300);
        EXPECT_EQ(bold[1]->x(), 334);
    }
    EXPECT_EQ(PixelAt(image, 44, 84), clBlack);
    EXPECT_EQ(PixelAt(image, 584, 120), clBlack);
    EXPECT_EQ(PixelAt(image, 44, 346), clWhite);
}

}  // namespace
}  // namespace zeph
