// The dimension pointer: its view, blinking line, name, hourglass, end and the view it gives back.
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

#include "model/AnimationTick.h"
#include "model/PointerSimulation.h"
#include "model/Solver.h"
#include "model/ViewTransform.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "QStringPrinter.h"
#include "render/PointerPainter.h"

using namespace zeph;

namespace {

struct Segment {
    QPoint from, to;
    TColor colour;
};

class DimensionPointerTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // The pointer's step of a tick and its picture; its dialog and cursor events noted in order.
    void PointerStep(Canvas& c)
    {
        TickEvents e;
        StepPointer(m, e);
        DrawPointer(c, m);
        auto dialog = [](TickEvents::Dialog d) { return d == TickEvents::Dialog::Frame ? " frame" : " cyl"; };
        if (e.closeDialog != TickEvents::Dialog::None) events.push_back(std::string("close") + dialog(e.closeDialog));
        if (e.busyCursor == true) events.push_back("busy");
        if (e.reopenDialog != TickEvents::Dialog::None) events.push_back(std::string("open") + dialog(e.reopenDialog));
        if (e.busyCursor == false) events.push_back("idle");
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

    void SetView(float scale, float panX, float panY)
    {
        m.ViewScale = scale;
        m.ViewPanX = panX;
        m.ViewPanY = panY;
    }

    void ExpectView(float scale, float panX, float panY) const
    {
        EXPECT_EQ(m.ViewScale, scale);
        EXPECT_EQ(m.ViewPanX, panX);
        EXPECT_EQ(m.ViewPanY, panY);
    }

    // Ends whatever pointer is shown, as a mouse press does.
    void EndPointer()
    {
        CancelPointer(m);
        Tick();
    }

    MechanismModel m;
    std::unique_ptr<RecordingCanvas> canvas;
    std::vector<std::string> events;
};

}  // namespace

TEST_F(DimensionPointerTest, ZoomIsTheCodesConstantAtTheDefaultSettingAndScalesWithIt)
{
    const std::pair<int, float> cases[] = {{1, 30}, {3, 28}, {7, 62}, {8, 40}, {103, 55}, {117, 55}};
    for (const auto& [code, k] : cases) {
        m.GraphicDimCode = code;
        Tick();
        EXPECT_EQ(m.ViewScale, k) << code;
        EndPointer();
    }
    m.GraphicPosZoom = 15;
    m.GraphicDimCode = 8;
    Tick();
    EXPECT_EQ(m.ViewScale, 20.0f);
}

TEST_F(DimensionPointerTest, SomeCodesKeepTheUsersPanOthersSetTheirOwn)
{
    for (int code : {3, 6, 11, 23, 24, 25, 101}) {
        SetView(33.5f, 123.25f, 234.5f);
        m.GraphicDimCode = code;
        Tick();
        EXPECT_EQ(m.ViewPanX, 123.25f) << code;
        EXPECT_EQ(m.ViewPanY, 234.5f) << code;
        EndPointer();
    }
    m.GraphicDimCode = 7;
    Tick();
    ExpectView(62, -150, 212);
}

TEST_F(DimensionPointerTest, AfterAFullRunTheViewIsExactlyTheUsersAndTheDialogReopens)
{
    SetView(33.3f, 111.1f, 222.2f);
    m.GraphicDimCode = 3;
    for (int i = 0; i < 1000; ++i) Tick();
    EXPECT_EQ(m.GraphicDimCode, 3);
    EXPECT_EQ(m.Pointer.Ticks, 1000);
    Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(m.Pointer.Ticks, 0);
    EXPECT_EQ(m.Pointer.BlinkTicks, 0);
    ExpectView(33.3f, 111.1f, 222.2f);
    EXPECT_EQ(canvas->FontSize(), 8);
    ASSERT_EQ(events.size(), 1004u);
    EXPECT_EQ(events[0], "close frame");
    EXPECT_EQ(events[1], "busy");
    EXPECT_EQ(events[1001], "close frame");
    EXPECT_EQ(events[1002], "open frame");
    EXPECT_EQ(events[1003], "idle");
}

TEST_F(DimensionPointerTest, CylinderCodesCloseAndReopenTheCylinderDialog)
{
    m.GraphicDimCode = 105;
    Tick();
    EXPECT_FALSE(m.Pointer.ReopenFrameDialog);
    EndPointer();
    EXPECT_EQ(events, (std::vector<std::string>{"close cyl", "busy", "close cyl", "open cyl", "idle"}));
}

TEST_F(DimensionPointerTest, MousePressEndsThePointerAtTheNextRenderWithTheViewBack)
{
    CancelPointer(m);
    EXPECT_EQ(m.Pointer.Ticks, 0);  // no pointer shown: nothing to end

    SetView(31, 101, 202);
    m.GraphicDimCode = 12;
    for (int i = 0; i < 10; ++i) Tick();
    CancelPointer(m);
    Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    ExpectView(31, 101, 202);

    // Even a press before the pointer's first render gives back the view of that moment.
    SetView(44, 55, 66);
    m.GraphicDimCode = 7;
    CancelPointer(m);
    Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    ExpectView(44, 55, 66);
}

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

    m.TextScaleX = 1.27f;
    m.TextScaleY = 1.22f;
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
            EXPECT_EQ(bar[0].from.y(), m.Pivots[RevArmTop].sy + 5);
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
    SetView(30.5f, 120.5f, 260.5f);
    m.GraphicDimCode = 3;
    for (int i = 0; i < 5; ++i) Tick();
    m.GraphicDimCode = 7;
    Tick();
    EXPECT_NE(canvas->FindText("Ecc Rod Right End"), nullptr);
    EXPECT_EQ(canvas->FindText("Main Rod Length"), nullptr);
    EXPECT_EQ(m.Pointer.Ticks, 6);
    ExpectView(62, -150, 212);
    EndPointer();
    ExpectView(30.5f, 120.5f, 260.5f);
}

TEST_F(DimensionPointerTest, BrokenModelsAndUnknownCodesNeverCrashOrLeaveTheViewBroken)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float bad : {nan, 1e30f, 0.0f}) {
        for (Pivot& p : m.Pivots) p = {bad, bad, 0, 0};
        m.Frame = FrameDims{bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad,
                            bad, bad, bad, bad, bad, bad};
        m.Cyl = CylDims{bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad, bad};
        m.RevArmCentre = bad;
        m.GraphicPosZoom = bad;
        for (int code = 1; code <= 120; ++code) {
            SetView(28, 115, 270);
            m.GraphicDimCode = code;
            for (int i = 0; i < 3; ++i) {
                MapPivots(m);
                ComputeOutlines(m);
                RecordingCanvas c;
                PointerStep(c);
                EXPECT_TRUE(m.ViewScale >= 0.5f && m.ViewScale <= 3000) << code;
            }
            EndPointer();
            ExpectView(28, 115, 270);
        }
    }
    m.StartUp();
    m.GraphicDimCode = 50;  // no such row: the pointer runs but draws and names nothing
    Tick();
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(canvas->Calls(CanvasOp::TextOut).empty());
    EXPECT_EQ(m.ViewScale, 28.0f);
}

