// The port events picture: frame, gear marks, position columns, event lines, legends and cycle.
#include <QImage>
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/diagrams/DiagramPainter.h"
#include "model/diagrams/PortEvents.h"
#include "render/diagrams/PortsDiagramPainter.h"
#include "render/diagrams/PortsGraphLayout.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::TextAt;
using test::TextColourOf;
using test::TextOf;
using test::TextCalls;

constexpr TColor Teal = 0x808000, Maroon = 0x000080;

struct Drawn {
    QImage image{DiagramClientSize, QImage::Format_RGB32};
    ImageCanvas target{image};
    RecordingCanvas canvas{&target};
};

void Draw(Drawn& d, MechanismModel& m, PortsMode mode)
{
    EraseDiagram(d.target);
    PaintDiagram(d.canvas, m, ComputeDiagram(m, DiagramKind::Ports, mode), "");
}

// Rows climb 16 pixels from mid gear at 343; columns measure from the end the port serves; the
// normal full gear stands at 343 - 288 normal / maximum, and nowhere without a maximum.
TEST(PortsGraphLayout, RowsColumnsAndTheNormalGearLine)
{
    EXPECT_EQ(PortRowY(0), 343);
    EXPECT_EQ(PortRowY(18), 55);
    EXPECT_EQ(PortEventColumn(PortEvent::FrontSteamOpens, 0), 9);
    EXPECT_EQ(PortEventColumn(PortEvent::FrontSteamCloses, 640), 549);
    EXPECT_EQ(PortEventColumn(PortEvent::RearSteamOpens, 640), 9);
    EXPECT_EQ(PortEventColumn(PortEvent::RearExhaustCloses, 0), 549);
    EXPECT_EQ(PortEventColumn(PortEvent::FrontExhaustOpens, 320), 279);

    MechanismModel m = DiagramModel();
    PortEventsData d = ComputePortEvents(m, PortGraph::Forward);
    ASSERT_TRUE(NormalGearRowY(d).has_value());
    EXPECT_EQ(*NormalGearRowY(d), 113);  // 343 - 1.04 x 288 / 1.3
    d.revArmMax = 0;
    EXPECT_FALSE(NormalGearRowY(d).has_value());
}

TEST(PortsGraphLayout, CycleColumnsComeFromRowThirteen)
{
    MechanismModel m = DiagramModel();
    const PortEventsData d = ComputePortEvents(m, PortGraph::Forward);
    const auto& f = d.rows[AnnotatedRow].found;
    const auto column = [](float pos) { return Real(pos) * 0.84375L + 9; };
    const CycleColumns cycle = CycleColumnsOf(d);
    EXPECT_EQ(cycle.admission, column(*f[int(PortEvent::FrontSteamOpens)]));
    EXPECT_EQ(cycle.cutoff, column(*f[int(PortEvent::FrontSteamCloses)]));
    EXPECT_EQ(cycle.release, column(*f[int(PortEvent::FrontExhaustOpens)]));
    EXPECT_EQ(cycle.compression, column(*f[int(PortEvent::FrontExhaustCloses)]));
}

TEST(PortsPicture, ForwardGraph)
{
    MechanismModel m = DiagramModel();
    Drawn d;
    Draw(d, m, PortsMode::Forward);
    const RecordingCanvas& c = d.canvas;
    // Eight polylines of 18 lines each, none leading into the lowest point; the cycle's 26
    // lines follow in the pen of the last event line (a front one here).
    EXPECT_EQ(test::LinesIn(c, Teal), 4 * 18 + 26);
    EXPECT_EQ(test::LinesIn(c, clRed), 4 * 18);
    EXPECT_EQ(TextCalls(c, "Forward").size(), size_t(PortRows));
    EXPECT_EQ(TextOf(c, 556, 336), "  3.769");
    EXPECT_EQ(TextOf(c, 556, 48), "  5.069");
    EXPECT_EQ(TextColourOf(c, 420, 47), clRed);
    EXPECT_EQ(TextOf(c, 345, 106), "Normal");
    EXPECT_EQ(TextColourOf(c, 345, 106), clBlue);
    EXPECT_EQ(test::PixelAt(d.image, 600, 113), clBlue);  // the line runs past the frame to x 649
    EXPECT_EQ(TextColourOf(c, 446, 284), Teal);
    EXPECT_EQ(TextColourOf(c, 446, 296), clRed);
    EXPECT_EQ(TextOf(c, 535, 118), "E");
    EXPECT_EQ(TextOf(c, 537, 266), "I");
    EXPECT_EQ(TextOf(c, 535, 238), "O");
    EXPECT_EQ(TextOf(c, 529, 350), "100");
    EXPECT_EQ(TextOf(c, 488, 353), "90");
}

TEST(PortsPicture, AnnotatedCycleOnRowThirteen)
{
    MechanismModel m = DiagramModel();
    MechanismModel copy = m;
    const CycleColumns col = CycleColumnsOf(ComputePortEvents(copy, PortGraph::Forward));
    Drawn d;
    Draw(d, m, PortsMode::Forward);
    const RecordingCanvas& c = d.canvas;
    const auto round = [](Real v) { return int(std::nearbyint(v)); };
    const CanvasCall* exp = c.FindText("Exp");
    ASSERT_NE(exp, nullptr);
    EXPECT_TRUE(exp->fontBold);
    EXPECT_EQ(exp->x(), round(col.cutoff + 10));
    EXPECT_EQ(exp->y(), 129);
    EXPECT_EQ(c.FindText("Exh")->x(), round(col.release - 190));
    EXPECT_EQ(c.FindText("Com")->x(), round(col.compression - 25));
    EXPECT_EQ(c.FindText("Adm")->x(), round(col.cutoff - 140));
    EXPECT_EQ(c.FindText("Adm")->y(), 95);
    // The arrow into the release ends on its column at row 13.
    bool arrow = false;
    for (const CanvasCall* call : c.Calls(CanvasOp::LineTo))
        arrow = arrow || (call->x() == round(col.release) && call->y() == 135 && call->from.y() == 139);
    EXPECT_TRUE(arrow);
    EXPECT_FALSE(c.FontBold());
}

TEST(PortsPicture, ReverseGraph)
{
    MechanismModel m = DiagramModel();
    Drawn d;
    Draw(d, m, PortsMode::Reverse);
    const RecordingCanvas& c = d.canvas;
    EXPECT_EQ(TextOf(c, 605, 32), "Rev.");
    EXPECT_EQ(TextOf(c, 596, 48), "  2.469");
    EXPECT_GE(test::LinesIn(c, clGreen), 4 * 18);
    EXPECT_GE(test::LinesIn(c, Maroon), 4 * 18);
    EXPECT_EQ(test::LinesIn(c, Teal), 0);
    EXPECT_EQ(TextOf(c, 415, 321), "Rev.");
    EXPECT_NE(c.FindText("Exp"), nullptr);
}

TEST(PortsPicture, BothGraphsKeepBothLegendsAndColumnsAndOneCycle)
{
    MechanismModel m = DiagramModel();
    Drawn d;
    Draw(d, m, PortsMode::Both);
    const RecordingCanvas& c = d.canvas;
    EXPECT_NE(TextAt(c, 415, 290), nullptr);
    EXPECT_NE(TextAt(c, 415, 321), nullptr);
    EXPECT_EQ(TextOf(c, 556, 336), "  3.769");
    EXPECT_EQ(TextOf(c, 596, 48), "  2.469");
    EXPECT_EQ(TextCalls(c, "Exp").size(), 1u);
    for (TColor colour : {Teal, clRed, clGreen, Maroon})
        EXPECT_GT(test::CountPixels(d.image, colour), 100) << std::hex << colour;
}

}  // namespace
}  // namespace zeph
