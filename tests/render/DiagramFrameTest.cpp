// The frame end shared by the diagrams, the opaque texts and the picture sizes.
#include <QFontInfo>
#include <cstring>
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/diagrams/DiagramFrame.h"
#include "render/diagrams/DiagramPainter.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::TextAt;
using test::TextColourOf;
using test::TextOf;

void FillSlots(MechanismModel& m)
{
    const char* names[] = {"Stroke", "Main Rod Length", "Valve Con Rod", "Bell Crank Horz"};
    for (int s = 1; s <= 4; ++s) m.DynVarSlots[s] = {uint32_t(s), 1.5f * s, names[s - 1]};
}

TEST(DiagramFrameEnd, NothingWhileBothSwitchesAreOff)
{
    MechanismModel m = DiagramModel();
    RecordingCanvas c;
    const DiagramFrameState s = DrawDiagramFrameEnd(c, m, {}, "kept");
    EXPECT_TRUE(c.Calls(CanvasOp::TextOut).empty());
    EXPECT_FALSE(s.dynVarBarsVisible);
    EXPECT_FALSE(s.dynVarBarsEnabled.has_value());
    EXPECT_FALSE(s.undoButtonVisible);
    EXPECT_EQ(s.undoLine, "kept");
}

TEST(DiagramFrameEnd, AsksForDimensionsWhileSlotOneIsEmpty)
{
    MechanismModel m = DiagramModel();
    m.DynVarOn = true;
    RecordingCanvas c;
    const DiagramFrameState s = DrawDiagramFrameEnd(c, m, {}, "");
    const QString stars(31, '*');
    ASSERT_NE(TextAt(c, 235, 2), nullptr);
    EXPECT_EQ(TextOf(c, 235, 2), stars);
    EXPECT_EQ(TextColourOf(c, 235, 2), clRed);
    EXPECT_EQ(TextOf(c, 235, 12), "* First Select Dimensions *");
    EXPECT_EQ(TextOf(c, 235, 26), stars);
    EXPECT_EQ(c.FontColor(), clBlack);
    EXPECT_TRUE(s.dynVarBarsVisible);
    ASSERT_TRUE(s.dynVarBarsEnabled.has_value());
    for (bool enabled : *s.dynVarBarsEnabled) EXPECT_FALSE(enabled);
}

TEST(DiagramFrameEnd, ListsTheSlotsAtScaledPlaces)
{
    MechanismModel m = DiagramModel();
    m.DynVarOn = true;
    FillSlots(m);
    m.DynVarSlots[3] = {0, 0, EmptySlotName()};
    {
        RecordingCanvas c;
        const DiagramFrameState s = DrawDiagramFrameEnd(c, m, {}, "");
        EXPECT_EQ(TextOf(c, 235, 2), "Stroke");
        EXPECT_EQ(TextOf(c, 363, 2), " 1.500");
        EXPECT_EQ(TextOf(c, 235, 14), "Main Rod Length");
        EXPECT_EQ(TextOf(c, 363, 38), " 6.000");
        EXPECT_EQ(*s.dynVarBarsEnabled, (std::array<bool, 4>{true, true, false, true}));
    }
    RecordingCanvas c;
    DrawDiagramFrameEnd(c, m, TextScaleFor(true), "");
    EXPECT_EQ(TextOf(c, 298, 2), "Stroke");          // row 1 stays at y 2
    EXPECT_EQ(TextOf(c, 461, 17), " 3.000");         // 1.27 x 363, 1.22 x 14
    EXPECT_EQ(TextOf(c, 298, 46), "Bell Crank Horz");  // 1.22 x 38
}

// The position list's rows spread with the vertical text scale: round(12 k s.y) + 12.
TEST(DiagramFrameList, RowsSpreadWithTheTextScale)
{
    EXPECT_EQ(PositionListRowY({}, 1), 24);
    EXPECT_EQ(PositionListRowY({}, 3), 48);
    EXPECT_EQ(PositionListRowY(TextScaleFor(true), 3), 56);  // round(43.92) + 12
}

TEST(DiagramFrameEnd, UndoLineDrawsTheKeptLineAndKeepsTheNewOne)
{
    MechanismModel m = DiagramModel();
    m.UndoOn = true;
    m.Undo.Record({2, 3.0f, 3.5f, "Stroke"});
    const QString fresh = " 1- Stroke  3.500 to  3.000" + QString(46, ' ');
    {
        RecordingCanvas c;
        const DiagramFrameState s = DrawDiagramFrameEnd(c, m, {}, "old line");
        ASSERT_EQ(c.Texts(), QStringList{"old line"});
        EXPECT_EQ(TextOf(c, 150, 55), "old line");
        EXPECT_TRUE(s.undoButtonVisible);
        EXPECT_EQ(s.undoLine, fresh);
    }
    // With the dynamic variables shown the new line goes over the kept one at once.
    m.DynVarOn = true;
    FillSlots(m);
    RecordingCanvas c;
    const DiagramFrameState s = DrawDiagramFrameEnd(c, m, {}, "old line");
    const auto texts = c.Texts();
    EXPECT_EQ(texts[texts.size() - 2], "old line");
    EXPECT_EQ(texts.back(), fresh);
    EXPECT_EQ(c.Calls(CanvasOp::TextOut).back()->x(), 150);
    EXPECT_EQ(s.undoLine, fresh);
}

TEST(DiagramText, ReplacesWhatStoodUnderIt)
{
    QImage image(80, 30, QImage::Format_RGB32);
    ImageCanvas c(image);
    c.Clear(clBlack);
    BeginDiagram(c);
    DiagramText(c, 5, 5, "88");
    const int w = c.TextWidth("88"), h = c.TextHeight("88");
    int white = 0, black = 0;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 5; x < 5 + w; ++x) (test::PixelAt(image, x, y) == clWhite ? white : black)++;
    EXPECT_GT(white, 0);
    EXPECT_GT(black, 0);
    EXPECT_EQ(test::PixelAt(image, 4, 5), clBlack);  // nothing outside the cell
    EXPECT_EQ(test::PixelAt(image, 5 + w, 5), clBlack);
}

TEST(DiagramPictures, SizesFontAndBackground)
{
    EXPECT_EQ(QFontInfo(QFont(DiagramFontFamily)).family(), DiagramFontFamily);
    MechanismModel m = DiagramModel();
    QString undo;
    for (DiagramKind kind : {DiagramKind::Sine, DiagramKind::Oval, DiagramKind::Steam, DiagramKind::Ports}) {
        const QImage image = PaintDiagramImage(m, ComputeDiagram(m, kind), undo);
        EXPECT_EQ(image.size(), kind == DiagramKind::Oval ? QSize(632, 426) : QSize(632, 414));
        EXPECT_EQ(test::PixelAt(image, 631, 413), clWhite);
        EXPECT_EQ(test::PixelAt(image, 300, 400), clWhite);
    }
}

TEST(DiagramPictures, DrawingTwiceGivesTheSamePicture)
{
    MechanismModel m = DiagramModel();
    QString undo;
    for (DiagramKind kind : {DiagramKind::Sine, DiagramKind::Oval, DiagramKind::Steam, DiagramKind::Ports}) {
        const QImage first = PaintDiagramImage(m, ComputeDiagram(m, kind, PortsMode::Both), undo);
        const QImage second = PaintDiagramImage(m, ComputeDiagram(m, kind, PortsMode::Both), undo);
        EXPECT_TRUE(first == second) << int(kind);
    }
}

// The diagrams' computations do their sweeping; painting what they worked out only reads.
TEST(DiagramPictures, PaintingLeavesTheModelAlone)
{
    MechanismModel m = DiagramModel();
    m.DynVarOn = true;
    m.UndoOn = true;
    for (DiagramKind kind : {DiagramKind::Sine, DiagramKind::Oval, DiagramKind::Steam, DiagramKind::Ports}) {
        const DiagramData data = ComputeDiagram(m, kind, PortsMode::Both);
        EXPECT_EQ(KindOf(data), kind);
        const MechanismModel before = m;
        QString undo;
        PaintDiagramImage(m, data, undo);
        RecordingCanvas recorded;
        PaintDiagram(recorded, m, data, undo);
        EXPECT_EQ(std::memcmp(&m.Pivots, &before.Pivots, sizeof m.Pivots), 0);
        EXPECT_EQ(std::memcmp(&m.Ports, &before.Ports, sizeof m.Ports), 0);
        EXPECT_EQ(std::memcmp(&m.Levels, &before.Levels, sizeof m.Levels), 0);
        EXPECT_EQ(std::memcmp(&m.Steam, &before.Steam, sizeof m.Steam), 0);
        EXPECT_EQ(m.DiagramRevArmPos, before.DiagramRevArmPos);
        EXPECT_EQ(m.PrevFrontSteamOpening, before.PrevFrontSteamOpening);
        EXPECT_EQ(m.LastDiagramRevArmPos, before.LastDiagramRevArmPos);
        EXPECT_EQ(m.MechanismError, before.MechanismError);
    }
}

TEST(DiagramPictures, BrokenDesignsStillDraw)
{
    for (int which = 0; which < 3; ++which) {
        MechanismModel m = DiagramModel();
        if (which == 0) m.Frame.MainRodLen = 0.5f;
        if (which == 1) m.Frame.Stroke = std::numeric_limits<float>::quiet_NaN();
        if (which == 2) m.Frame.RevArmMax = 0.0f;
        QString undo;
        for (DiagramKind kind : {DiagramKind::Sine, DiagramKind::Oval, DiagramKind::Steam, DiagramKind::Ports}) {
            const QImage image = PaintDiagramImage(m, ComputeDiagram(m, kind, PortsMode::Both), undo);
            EXPECT_GT(test::CountPixels(image, clBlack), 1000) << which << " " << int(kind);
        }
    }
}

}  // namespace
}  // namespace zeph
