// Sine and oval pictures: scale, list, numbers, mid-gear figures, port lines and curve pixels.
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "RenderTestSupport.h"
#include "render/diagrams/DiagramPainter.h"
#include "model/diagrams/ValveCurves.h"
#include "render/diagrams/OvalDiagramPainter.h"
#include "render/diagrams/SineDiagramPainter.h"
#include "render/diagrams/ValvePlotLayout.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::Solved;
using test::SolveTravel;
using test::ForwardMaxGear;
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

TEST(SinePlotLayout, SixtySevenSolvesOverOneAndAHalfTurns)
{
    MechanismModel m = DiagramModel();
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    ASSERT_EQ(d.curves.size(), 3u);
    const ValveCurve& c = d.curves[1];
    const std::vector<PlotPoint> points = CurvePoints(d, c);
    const std::vector<CurveMark> marks = CurveMarks(d, c);
    ASSERT_EQ(points.size(), size_t(SineSolves));
    EXPECT_EQ(c.angles.front(), 328.0f);
    EXPECT_EQ(c.angles[4], 360.0f);
    EXPECT_EQ(c.angles[5], 8.0f);
    EXPECT_EQ(c.angles.back(), 136.0f);
    for (int i = 0; i < SineSolves; ++i) {
        const Solved s = SolveTravel(m, c.entry.revArm, c.angles[i]);
        EXPECT_EQ(c.travel[i], s.travel) << i;
        EXPECT_EQ(points[i].x, 58 + 8 * i);
        EXPECT_EQ(points[i].y, TravelRow(1.5L, s.travel)) << i;
        EXPECT_TRUE(points[i].valid);
    }
    // The number stands at x 45, level with the first point.
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].x, 45);
    EXPECT_EQ(marks[0].y, points[0].y);
    EXPECT_EQ(marks[0].beforeSegment, 1);
    // Normal forward gear swings about -0.333 .. 0.319 units: rows about 298 .. 135.
    const auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                              [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; });
    EXPECT_NEAR(lo->y, 135, 2);
    EXPECT_NEAR(hi->y, 298, 2);
}

TEST(SinePlotLayout, PixelRowsFollowTheScale)
{
    EXPECT_EQ(TravelRow(1.5L, 0), 215);
    EXPECT_EQ(TravelRow(1.5L, 0.2L), 165);
    EXPECT_EQ(TravelRow(1.5L, -0.2L), 265);
    EXPECT_EQ(TravelRow(4.0L, 0.4L), 178);   // 177.5: ties go to the even pixel
    EXPECT_EQ(TravelRow(4.0L, -0.36L), 249);  // 248.75
}

TEST(SinePlotLayout, PortLinesOfTheDefaultValve)
{
    MechanismModel m = DiagramModel();
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    struct Expected {
        const char* label;
        int y, labelX, labelY;
        bool front;
    };
    const Expected expected[] = {
        {"Front Steam Port Open", 176, 60, 160, true}, {"Front Steam Port Max", 130, 60, 131, true},
        {"Front Exhaust Port Open", 215, 230, 216, true}, {"Rear Steam Port Open", 254, 230, 255, false},
        {"Rear Steam Port Max", 300, 230, 284, false},   {"Rear Exhaust Port Open", 215, 60, 199, false},
    };
    const std::array<PortLine, 6> lines = PortLines(d);
    for (int i = 0; i < 6; ++i) {
        const PortLine& l = lines[i];
        EXPECT_STREQ(l.label, expected[i].label);
        EXPECT_EQ(l.y, expected[i].y) << l.label;
        EXPECT_EQ(l.labelX, expected[i].labelX) << l.label;
        EXPECT_EQ(l.labelY, expected[i].labelY) << l.label;
        EXPECT_EQ(l.front, expected[i].front);
        EXPECT_EQ(l.endX, 583);
        EXPECT_TRUE(l.valid);
    }
    const ValveDiagramData oval = ComputeValveDiagram(m, ValveDiagram::Oval);
    const std::array<PortLine, 6> ovalLines = PortLines(oval);
    const int ovalX[] = {430, 430, 75, 75, 75, 430};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ovalLines[i].labelX, ovalX[i]);
        EXPECT_EQ(ovalLines[i].y, lines[i].y);
        EXPECT_EQ(ovalLines[i].endX, 584);
    }
}

TEST(SinePlotLayout, PortLinesShowTheValveAsItIsNowEvenBeforeAnySolve)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {});
    m.Cyl.ValvePortOffset = 1.255f;  // laps 0.255, no solve since
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    EXPECT_TRUE(d.curves.empty());
    EXPECT_EQ(PortLines(d)[0].y, TravelRow(1.5L, m.Levels.FrontSteamOpenLevel));
    EXPECT_NEAR(PortLines(d)[0].y, 215 - 0.255 * 250, 1);
}

TEST(OvalPlotLayout, OneClosedCurveWithItsNumberTwice)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {ForwardMaxGear(m)});
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Oval);
    ASSERT_EQ(d.curves.size(), 1u);
    const ValveCurve& c = d.curves[0];
    const std::vector<PlotPoint> points = CurvePoints(d, c);
    const std::vector<CurveMark> marks = CurveMarks(d, c);
    ASSERT_EQ(points.size(), size_t(OvalSolves));
    EXPECT_EQ(c.angles.front(), 32.0f);
    EXPECT_EQ(c.angles[4], 0.0f);
    EXPECT_EQ(c.angles[5], 352.0f);
    EXPECT_EQ(c.angles.back(), 32.0f);
    EXPECT_EQ(points.front().x, points.back().x);
    EXPECT_EQ(points.front().y, points.back().y);
    EXPECT_EQ(points[4].x, 584);   // 0 degrees: front end of the stroke
    EXPECT_EQ(points[27].x, 44);   // 180 degrees: back end
    ASSERT_EQ(marks.size(), 2u);
    // Numbers before the segments into angles 272 and 80; with the default port narrower than
    // the inside edge, 2 pixels under the curve first and 11 above it second.
    EXPECT_EQ(marks[0].x, 300);
    EXPECT_EQ(marks[0].beforeSegment, 15);
    EXPECT_EQ(marks[0].y, RoundPixel(213 - Real(c.travel[14]) * 250));
    EXPECT_EQ(marks[1].x, 334);
    EXPECT_EQ(marks[1].beforeSegment, 39);
    EXPECT_EQ(marks[1].y, RoundPixel(204 - Real(c.travel[38]) * 250));
    m.Cyl.ValvePortWidthFront = 1.5f;
    const ValveDiagramData wideData = ComputeValveDiagram(m, ValveDiagram::Oval);
    const ValveCurve& wide = wideData.curves[0];
    const std::vector<CurveMark> wideMarks = CurveMarks(wideData, wide);
    EXPECT_EQ(wideMarks[0].y, RoundPixel(204 - Real(wide.travel[14]) * 250));
    EXPECT_EQ(wideMarks[1].y, RoundPixel(213 - Real(wide.travel[38]) * 250));
    EXPECT_EQ(c.angles[15], 272.0f);
    EXPECT_EQ(c.angles[39], 80.0f);
}

TEST(OvalPlotLayout, DeadCentresLandOnTheEndLinesWhateverTheRod)
{
    MechanismModel m = DiagramModel();
    for (float rod : {4.0f, 10.0f, 40.0f}) {
        m.Frame.MainRodLen = rod;
        EXPECT_EQ(OvalColumn(OvalPistonFraction(m, 0)), 584) << rod;
        EXPECT_EQ(OvalColumn(OvalPistonFraction(m, 180)), 44) << rod;
    }
    // 10 percent of travel is 54 pixels: mid-stroke (fraction 0) at x 314.
    EXPECT_EQ(OvalColumn(0), 314);
}

TEST(ValvePlotLayout, ABrokenValveDrawsWhatItCan)
{
    MechanismModel m = DiagramModel();
    m.Cyl.ValveJointOffset = std::numeric_limits<float>::quiet_NaN();
    m.DiagramVScale = 0.0f;
    const ValveDiagramData d = ComputeValveDiagram(m, ValveDiagram::Sine);
    EXPECT_EQ(d.scale, Real(0.1f));
    ASSERT_EQ(d.curves.size(), 3u);
    for (const PlotPoint& p : CurvePoints(d, d.curves[0])) EXPECT_FALSE(p.valid);
    EXPECT_FALSE(CurveMarks(d, d.curves[0])[0].valid);
    // Levels that do not need the joint offset still give their lines.
    EXPECT_TRUE(PortLines(d)[0].valid);
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
    for (const ValveCurve& curve : d.curves) {
        const std::vector<PlotPoint> points = CurvePoints(d, curve);
        for (size_t i = 0; i + 1 < points.size(); ++i)
            EXPECT_EQ(PixelAt(image, points[i].x, points[i].y), clBlack) << curve.entry.index << " " << i;
    }
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
