// The dimension pointer drawn: its blinking line, name, hourglass and reverse-arm bar.
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

#include "model/tick/PointerSimulation.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ViewTransform.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "QStringPrinter.h"
#include "model/TickSupport.h"
#include "render/scene/PointerPainter.h"
#include "render/scene/SceneGeometry.h"

using namespace zeph;

namespace {

struct Segment {
    QPoint from, to;
    TColor colour;
};

class DimensionPointerTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // The pointer's step of a tick and its picture.
    void PointerStep(Canvas& c)
    {
        TickEvents e;
        StepPointer(m, e);
        DrawPointer(c, m, MapScene(m), text);
    }

    // One tick as the animation loop runs it: solve, map, outline, then the pointer step.
    RecordingCanvas& Tick()
    {
        SolveAndMap(m);
        canvas = std::make_unique<RecordingCanvas>();
        PointerStep(*canvas);
        return *canvas;
    }

    // Lines drawn with the pointer's 3-pixel pen in the last tick.
    std::vector<Segment> Lines() const
    {
        std::vector<Segment> out;
        for (const CanvasCall* call : canvas->Calls(CanvasOp::LineTo))
            if (call->penWidth == 3) out.push_back({call->from, {call->x(), call->y()}, call->penColor});
        return out;
    }

    double PathLength() const
    {
        double length = 0;
        for (const Segment& s : Lines()) length += std::hypot(s.to.x() - s.from.x(), s.to.y() - s.from.y());
        return length;
    }

    // Ends whatever pointer is shown, as a mouse press does.
    void EndPointer()
    {
        CancelPointer(m);
        Tick();
    }

    MechanismModel m;
    TextScale text;  // the font the window shows
    std::unique_ptr<RecordingCanvas> canvas;
};

}  // namespace

TEST_F(DimensionPointerTest, LineBlinksRedForThreeTicksThenBlackForThree)
{
    m.GraphicDimCode = 3;
    std::string seen;
    for (int i = 0; i < 12; ++i) {
        Tick();
        const auto lines = Lines();
        ASSERT_EQ(lines.size(), 1u);
        seen += lines[0].colour == clRed ? 'R' : lines[0].colour == clBlack ? 'B' : '?';
    }
    EXPECT_EQ(seen, "RRRBBBRRRBBB");
}

TEST_F(DimensionPointerTest, NameIsLargeAtTheTextScaledBase)
{
    m.GraphicDimCode = 3;
    Tick();
    const CanvasCall* name = canvas->FindText("Main Rod Length");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(QPoint(name->x(), name->y()), QPoint(30, 75));
    EXPECT_EQ(name->fontSize, 14);
    EXPECT_EQ(name->fontColor, clBlack);

    text = TextScaleFor(true);
    m.GraphicDimCode = 110;
    Tick();
    name = canvas->FindText("Valve Bore Length");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(QPoint(name->x(), name->y()), QPoint(38, 92));
}

TEST_F(DimensionPointerTest, HourglassIsDrawnInBlackAtFixedPixels)
{
    QImage image(80, 160, QImage::Format_RGB32);
    ImageCanvas target(image);
    target.Clear(clWhite);
    m.ViewScale = 1e6f;  // the mechanism far away: only the hourglass lands here
    m.GraphicDimCode = 3;
    SolveLinkage(m);
    MapPivots(m);
    RecordingCanvas c(&target);
    PointerStep(c);
    auto at = [&image](int x, int y) { return FromQRgb(image.pixel(x, y)); };
    for (QPoint p : {QPoint(20, 100), QPoint(44, 101), QPoint(22, 106), QPoint(43, 106), QPoint(30, 121),
                     QPoint(35, 121), QPoint(22, 136), QPoint(21, 143), QPoint(28, 132), QPoint(31, 111)})
        EXPECT_EQ(at(p.x(), p.y()), clBlack) << p.x() << "," << p.y();
    EXPECT_EQ(at(32, 102), clWhite);  // inside the top outline
    EXPECT_EQ(at(32, 140), clWhite);  // inside the base
    EXPECT_EQ(at(32, 121), clWhite);  // the neck stays open
    int thin = 0;
    for (const CanvasCall* call : c.Calls(CanvasOp::LineTo)) {
        if (call->penWidth > 2) continue;  // the pointer's own line
        EXPECT_EQ(call->penColor, clBlack);
        thin += call->penWidth == 1;
    }
    EXPECT_EQ(thin, 5);
}

TEST_F(DimensionPointerTest, ReverseArmBarHalvesAlwaysDifferInColour)
{
    for (int code : {26, 27}) {
        m.GraphicDimCode = code;
        const float reach = code == 26 ? m.Frame.RevArmNorm : m.Frame.RevArmMax;
        for (int i = 0; i < 6; ++i) {
            Tick();
            const auto bar = Lines();
            ASSERT_EQ(bar.size(), 2u);
            EXPECT_NE(bar[0].colour, bar[1].colour);
            EXPECT_EQ(bar[0].from.y(), MapScene(m).pivots[RevArmTop].y + 5);
            EXPECT_EQ(bar[1].to.y(), bar[0].from.y());
            EXPECT_EQ(bar[0].to.x(), ScreenX(m, m.RevArmCentre));
            EXPECT_NEAR(bar[1].to.x() - bar[0].from.x(), 2 * reach * m.ViewScale, 1);
        }
        EndPointer();
    }
}

// Once the pivots are mapped at the pointer's view, each line spans the dimension its code
// edits, so its length is that dimension at the pointer's zoom.
TEST_F(DimensionPointerTest, EachLineSpansTheDimensionItsCodeEdits)
{
    const int codes[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   12,  15,  17,  18,  19,  20,  21,  22,
                         101, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117};
    for (int code : codes) {
        m.GraphicDimCode = code;
        Tick();
        Tick();
        EXPECT_NEAR(PathLength(), std::fabs(m.GetDim(code)) * m.ViewScale, 2.5) << code;
        EndPointer();
    }
}

TEST_F(DimensionPointerTest, NewCodeReplacesLineAndNameButKeepsTicksAndSavedView)
{
    test::SetView(m, 30.5f, 120.5f, 260.5f);
    m.GraphicDimCode = 3;
    for (int i = 0; i < 5; ++i) Tick();
    m.GraphicDimCode = 7;
    Tick();
    EXPECT_NE(canvas->FindText("Ecc Rod Right End"), nullptr);
    EXPECT_EQ(canvas->FindText("Main Rod Length"), nullptr);
    EXPECT_EQ(m.Pointer.Ticks, 6);
    EXPECT_EQ(test::ViewOf(m), test::View(62, -150, 212));
    EndPointer();
    EXPECT_EQ(test::ViewOf(m), test::View(30.5f, 120.5f, 260.5f));
    EXPECT_EQ(canvas->FontSize(), 8);  // the ending tick leaves the plain font behind
}

TEST_F(DimensionPointerTest, BrokenModelsAndUnknownCodesNeverCrashOrLeaveTheViewBroken)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float bad : {nan, 1e30f, 0.0f}) {
        for (Pivot& p : m.Pivots) p = {bad, bad};
        m.Frame = FrameDims{bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad,
                            bad, bad, bad, bad, bad, bad};
        m.Cyl = CylDims{bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad};
        m.RevArmCentre = bad;
        m.GraphicPosZoom = bad;
        for (int code = 1; code <= 120; ++code) {
            test::SetView(m, 28, 115, 270);
            m.GraphicDimCode = code;
            for (int i = 0; i < 3; ++i) {
                MapPivots(m);
                RecordingCanvas c;
                PointerStep(c);
                EXPECT_TRUE(m.ViewScale >= 0.5f && m.ViewScale <= 3000) << code;
            }
            EndPointer();
            EXPECT_EQ(test::ViewOf(m), test::View(28, 115, 270));
        }
    }
    m.StartUp();
    m.GraphicDimCode = 50;  // no such row: the pointer runs but draws and names nothing
    Tick();
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(canvas->Calls(CanvasOp::TextOut).empty());
    EXPECT_EQ(m.ViewScale, 28.0f);
}

