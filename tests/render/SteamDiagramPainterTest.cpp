// The steam picture: loops in green and red, cut-off marks and texts, curve numbers, axes.
#include <QImage>
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/diagrams/DiagramPainter.h"
#include "model/diagrams/SteamIndicator.h"
#include "render/diagrams/SteamDiagramPainter.h"
#include "render/diagrams/SteamPlotLayout.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::SetDiagramList;
using test::TextAt;
using test::TextColourOf;
using test::TextOf;
using test::TextCalls;

struct Drawn {
    QImage image{DiagramClientSize, QImage::Format_RGB32};
    ImageCanvas target{image};
    RecordingCanvas canvas{&target};
};

void Draw(Drawn& d, MechanismModel& m)
{
    EraseDiagram(d.target);
    PaintDiagram(d.canvas, m, ComputeDiagram(m, DiagramKind::Steam), "");
}

TEST(SteamPlotLayout, StrokeAndPressureAxesAndTextRows)
{
    EXPECT_EQ(SteamColumn(0), 584);
    EXPECT_EQ(SteamColumn(640), 44);
    EXPECT_EQ(SteamRow(0), 343);
    EXPECT_EQ(SteamRow(303), 70);  // 70.3
    EXPECT_EQ(CutoffRowY(1), 246);
    // Curve numbers stand left of the trace, the front's a row above the rear's.
    EXPECT_EQ(SteamLabelPixel(false, 100).x, 484);
    EXPECT_EQ(SteamLabelPixel(true, 100).x, 516);
    EXPECT_LT(SteamLabelPixel(false, 100).y, SteamLabelPixel(true, 100).y);
}

TEST(SteamPicture, FullForwardGearDrawsBothLoopsWithTheirMarks)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {m.RevArmCentre + m.Frame.RevArmMax});
    Drawn d;
    Draw(d, m);
    const RecordingCanvas& c = d.canvas;
    EXPECT_EQ(test::LinesIn(c, clGreen), 90 + 1);  // the trace and one cut-off mark
    EXPECT_EQ(test::LinesIn(c, clRed), 90 + 1);
    EXPECT_GT(test::CountPixels(d.image, clGreen), 300);
    EXPECT_GT(test::CountPixels(d.image, clRed), 300);

    const auto headings = TextCalls(c, "%CutOff");
    ASSERT_GE(headings.size(), 2u);
    EXPECT_EQ(TextColourOf(c, 587, 231), clGreen);
    EXPECT_EQ(TextColourOf(c, 2, 231), clRed);
    EXPECT_EQ(TextOf(c, 588, 246), "1");
    EXPECT_EQ(TextColourOf(c, 588, 246), clBlack);
    EXPECT_EQ(TextOf(c, 3, 246), "1");
    const SteamRun run = [&] {
        MechanismModel again = m;
        return ComputeSteamDiagram(again).runs[0];
    }();
    EXPECT_EQ(TextOf(c, 600, 246), QString::number(double(*run.frontCutoff), 'f', 1));
    EXPECT_EQ(TextOf(c, 15, 246), QString::number(double(*run.rearCutoff), 'f', 1));

    int frontNumbers = 0, rearNumbers = 0;
    for (const CanvasCall* call : TextCalls(c, "1")) {
        if (!call->fontBold) continue;
        frontNumbers += call->y() == 122 ? 1 : 0;
        rearNumbers += call->y() == 135 ? 1 : 0;
    }
    EXPECT_GE(frontNumbers, 1);
    EXPECT_GE(rearNumbers, 1);
}

TEST(SteamPicture, EmptyListLeavesFrameAxesAndLabels)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {});
    Drawn d;
    Draw(d, m);
    EXPECT_EQ(test::CountPixels(d.image, clGreen), 0);
    EXPECT_EQ(test::CountPixels(d.image, clRed), 0);
    EXPECT_EQ(TextOf(d.canvas, 24, 77), "/");
    EXPECT_EQ(TextOf(d.canvas, 20, 136), "L");
    EXPECT_EQ(TextOf(d.canvas, 20, 123), "Y");
    EXPECT_EQ(TextOf(d.canvas, 22, 149), "I");  // the I of CYLINDER stands at x 22
    EXPECT_EQ(TextOf(d.canvas, 32, 201), "E");
    EXPECT_EQ(TextOf(d.canvas, 186, 364), "Percent Piston Travel");
    EXPECT_EQ(TextOf(d.canvas, 45, 350), "100");
    EXPECT_EQ(test::PixelAt(d.image, 44, 70), clBlack);
    EXPECT_EQ(test::PixelAt(d.image, 300, 343), clBlack);  // base line
}

TEST(SteamPicture, ReverseGearListsRevAndTracesLoopsToo)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {m.RevArmCentre - m.Frame.RevArmNorm});
    Drawn d;
    Draw(d, m);
    EXPECT_EQ(TextOf(d.canvas, 533, 24), "Rev");
    EXPECT_EQ(test::LinesIn(d.canvas, clGreen), 91);
    EXPECT_EQ(test::LinesIn(d.canvas, clRed), 91);
}

}  // namespace
}  // namespace zeph
