// The dimension pointer from tick to tick: its view, its life, the view it gives back and its dialog.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TickSupport.h"
#include "model/tick/PointerSimulation.h"

namespace zeph {
namespace {

class PointerSimulationTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // One tick as the animation loop runs it: solve, map, outline, then the pointer's step, its
    // dialog and cursor events noted in order.
    void Tick()
    {
        SolveAndMap(m);
        TickEvents e;
        StepPointer(m, e);
        auto dialog = [](TickEvents::Dialog d) { return d == TickEvents::Dialog::Frame ? " frame" : " cyl"; };
        if (e.closeDialog != TickEvents::Dialog::None) events.push_back(std::string("close") + dialog(e.closeDialog));
        if (e.busyCursor == true) events.push_back("busy");
        if (e.reopenDialog != TickEvents::Dialog::None) events.push_back(std::string("open") + dialog(e.reopenDialog));
        if (e.busyCursor == false) events.push_back("idle");
    }

    // Ends whatever pointer is shown, as a mouse press does.
    void EndPointer()
    {
        CancelPointer(m);
        Tick();
    }

    MechanismModel m;
    std::vector<std::string> events;
};

TEST_F(PointerSimulationTest, ZoomIsTheCodesConstantAtTheDefaultSettingAndScalesWithIt)
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

TEST_F(PointerSimulationTest, SomeCodesKeepTheUsersPanOthersSetTheirOwn)
{
    for (int code : {3, 6, 11, 23, 24, 25, 101}) {
        test::SetView(m, 33.5f, 123.25f, 234.5f);
        m.GraphicDimCode = code;
        Tick();
        EXPECT_EQ(m.ViewPanX, 123.25f) << code;
        EXPECT_EQ(m.ViewPanY, 234.5f) << code;
        EndPointer();
    }
    m.GraphicDimCode = 7;
    Tick();
    EXPECT_EQ(test::ViewOf(m), test::View(62, -150, 212));
}

TEST_F(PointerSimulationTest, AfterAFullRunTheViewIsExactlyTheUsersAndTheDialogReopens)
{
    test::SetView(m, 33.3f, 111.1f, 222.2f);
    m.GraphicDimCode = 3;
    for (int i = 0; i < 1000; ++i) Tick();
    EXPECT_EQ(m.GraphicDimCode, 3);
    EXPECT_EQ(m.Pointer.Ticks, 1000);
    Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(m.Pointer.Ticks, 0);
    EXPECT_EQ(m.Pointer.BlinkTicks, 0);
    EXPECT_EQ(test::ViewOf(m), test::View(33.3f, 111.1f, 222.2f));
    ASSERT_EQ(events.size(), 1004u);
    EXPECT_EQ(events[0], "close frame");
    EXPECT_EQ(events[1], "busy");
    EXPECT_EQ(events[1001], "close frame");
    EXPECT_EQ(events[1002], "open frame");
    EXPECT_EQ(events[1003], "idle");
}

TEST_F(PointerSimulationTest, CylinderCodesCloseAndReopenTheCylinderDialog)
{
    m.GraphicDimCode = 105;
    Tick();
    EXPECT_FALSE(m.Pointer.ReopenFrameDialog);
    EndPointer();
    EXPECT_EQ(events, (std::vector<std::string>{"close cyl", "busy", "close cyl", "open cyl", "idle"}));
}

TEST_F(PointerSimulationTest, MousePressEndsThePointerAtTheNextRenderWithTheViewBack)
{
    CancelPointer(m);
    EXPECT_EQ(m.Pointer.Ticks, 0);  // no pointer shown: nothing to end

    test::SetView(m, 31, 101, 202);
    m.GraphicDimCode = 12;
    for (int i = 0; i < 10; ++i) Tick();
    CancelPointer(m);
    Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(test::ViewOf(m), test::View(31, 101, 202));

    // Even a press before the pointer's first render gives back the view of that moment.
    test::SetView(m, 44, 55, 66);
    m.GraphicDimCode = 7;
    CancelPointer(m);
    Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(test::ViewOf(m), test::View(44, 55, 66));
}

}  // namespace
}  // namespace zeph
