// The main window driven as a user would: ticks, run and gear controls, step snapping, view.
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include <QToolBar>

#include "model/linkage/ViewTransform.h"
#include "RecordingSound.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"
#include "render/scene/SceneGeometry.h"

using namespace zeph;

namespace {

class MainWindowTest : public test::MainWindowTestBase {
protected:
    void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    QTimer* Timer() { return W<QTimer>("tickTimer"); }
    QAction* Action(const char* name) { return W<QAction>(name); }
    QToolBar* ToolBar(const char* name) { return W<QToolBar>(name); }
    QWidget* Widget(const char* name) { return W<QWidget>(name); }
};

QStringList MenuCaptions(const QMenuBar* bar)
{
    QStringList out;
    for (QAction* a : bar->actions()) out << a->text();
    return out;
}

}  // namespace

TEST_F(MainWindowTest, OpensWithStartUpStateCaptionsAndControlStates)
{
    EXPECT_TRUE(window->windowTitle().startsWith("ZEPHARIN Inside Admission"));
    EXPECT_EQ(Widget("picture")->size(), QSize(632, 380));
    EXPECT_EQ(sound.WaveVolume(), 0x80008000u);
    EXPECT_NEAR(m.RevArmPosition, 3.769, 0.001);
    EXPECT_EQ(Bar("reverseArmBar")->minimum(), -1300);
    EXPECT_EQ(Bar("reverseArmBar")->maximum(), 1300);
    EXPECT_EQ(Bar("stepAngleBar")->value(), 12000);
    EXPECT_EQ(Button("run")->text(), "Stop");
    EXPECT_FALSE(Bar("driverAngleBar")->isEnabled());
    EXPECT_FALSE(Button("centre")->isEnabled());
    EXPECT_FALSE(Button("step10")->isEnabled());
    EXPECT_TRUE(Button("step1")->isEnabled());
    EXPECT_FALSE(Button("norm")->isEnabled());
    EXPECT_FALSE(Button("refPoint1")->isEnabled());
    EXPECT_FALSE(Bar("ref1VerticalBar")->isVisible());
    EXPECT_FALSE(Action("panZoom")->isEnabled());
    EXPECT_FALSE(Action("drawLines")->isEnabled());
    EXPECT_FALSE(Action("mechanismError")->isVisible());
    EXPECT_EQ(Bar("reverseArmBar")->toolTip(), "Set Reverse Arm Between Max & Min");
    EXPECT_EQ(Button("preset0")->toolTip(), "Select First to Change Presets");
    EXPECT_EQ(Button("run")->geometry(), QRect(277, 39, 36, 14));
    EXPECT_EQ(Bar("reverseArmBar")->geometry(), QRect(336, 26, 121, 12));
    EXPECT_EQ(Timer()->interval(), 16);  // about 62 ticks a second
    EXPECT_EQ(Timer()->timerType(), Qt::PreciseTimer);
}

TEST_F(MainWindowTest, MenuAndToolBarCarryTheirCaptionsAndHintsInOrder)
{
    const QStringList top = MenuCaptions(window->menuBar());
    const QStringList expected = {"&File",        "&SetUp", "&EditDimen",  "&ReferPoints", "&DrawLinesCircles",
                                  "Pi&votData",   "D&ynamicVari", "&UnDo", "Draw&Graphs", "&Help", ""};
    EXPECT_EQ(top, expected);
    QStringList setup;
    for (QAction* a : window->menuBar()->actions()[1]->menu()->actions()) setup << a->text();
    EXPECT_EQ(setup, (QStringList{"Set&RevArmPos", "Set&DriverAng", "Set&StepAng", "SetRef&Points", "",
                                  "SetLarge&Font", "&CalcCentRevArm", "SetS&teamDisp On", "Set&ErrorBeep Off",
                                  "Set&LineWidth 2", "SetScree&nData Off", "SetP&anZoom On",
                                  "SetFastTi&mer On"}));
    QStringList hints;
    for (QAction* a : ToolBar("toolBar")->actions())
        if (!a->isSeparator()) hints << a->toolTip();
    EXPECT_EQ(hints.size(), 18);
    EXPECT_EQ(hints.first(), "Open File: Dimensional Data");
    EXPECT_EQ(hints[9], "Turn On Reference Points");
    EXPECT_EQ(hints[11], "Turn On Pivot Data");
    EXPECT_EQ(hints.last(), "View Port Events vs Reverse Arm Position");
}

TEST_F(MainWindowTest, TickAdvancesAndWrapsTheDriverAngle)
{
    m.DriverAngle = 350;
    window->Tick();
    EXPECT_FLOAT_EQ(m.DriverAngle, 360);  // 360 is not above 360.1, so it stays
    window->Tick();
    EXPECT_FLOAT_EQ(m.DriverAngle, 10);

    m.DriverAngle = 0;
    m.StepAngle = 45;
    m.Direction = RunDirection::Reverse;
    window->Tick();
    EXPECT_FLOAT_EQ(m.DriverAngle, 315);
}

TEST_F(MainWindowTest, DriverBarBelowZeroWrapsOnTheNextTick)
{
    Click(Button("run"));  // stop
    Bar("driverAngleBar")->setValue(-4000);
    EXPECT_FLOAT_EQ(m.DriverAngle, -40);
    window->Tick();
    EXPECT_FLOAT_EQ(m.DriverAngle, 320);
}

TEST_F(MainWindowTest, TickSolvesAndRecordsItsViewBeforeAdvancing)
{
    window->Tick();
    EXPECT_NEAR(m.Pivots[CrankPin].x, 1.5, 1e-4);  // solved at the angle before the step
    EXPECT_FLOAT_EQ(m.DriverAngle, 10);
    EXPECT_EQ(MapScene(m).pivots[CrankPin].x, ScreenX(m, m.Pivots[CrankPin].x));
    EXPECT_EQ(MapScene(m).outlines.CO[4].x, ScreenX(m, 16 + 2));
}

TEST_F(MainWindowTest, RunStopLeavesTheDriverBarAtTheAngle)
{
    m.DriverAngle = 123.45f;
    Click(Button("run"));
    EXPECT_EQ(Button("run")->text(), "Run");
    EXPECT_EQ(Bar("driverAngleBar")->value(), 12345);
    EXPECT_TRUE(Bar("driverAngleBar")->isEnabled());
    EXPECT_EQ(m.StepAngle, 0);
    Bar("driverAngleBar")->setValue(9000);
    EXPECT_FLOAT_EQ(m.DriverAngle, 90);
    Click(Button("run"));
    EXPECT_EQ(Button("run")->text(), "Stop");
    EXPECT_EQ(m.StepAngle, 10);
    EXPECT_FALSE(Bar("driverAngleBar")->isEnabled());
}

TEST_F(MainWindowTest, ZeroAnd180StopTheDriverThere)
{
    Click(Button("halfTurn"));
    EXPECT_EQ(m.DriverAngle, 180);
    EXPECT_EQ(Bar("driverAngleBar")->value(), 18000);
    EXPECT_EQ(Button("run")->text(), "Run");
    EXPECT_FALSE(Button("halfTurn")->isEnabled());
    Click(Button("zero"));
    EXPECT_EQ(m.DriverAngle, 0);
    EXPECT_FALSE(Button("zero")->isEnabled());
    EXPECT_TRUE(Button("halfTurn")->isEnabled());
    session->Run().MainWindowActivated();
    EXPECT_FALSE(Bar("driverAngleBar")->isEnabled());
}

TEST_F(MainWindowTest, StepButtonsSetTheStepAndTheBar)
{
    Click(Button("step1"));
    EXPECT_EQ(m.ChosenStepAngle, 1);
    EXPECT_EQ(m.StepAngle, 1);
    EXPECT_EQ(Bar("stepAngleBar")->value(), 8000);
    EXPECT_FALSE(Button("step1")->isEnabled());
    EXPECT_TRUE(Button("step10")->isEnabled());
    EXPECT_EQ(Bar("driverAngleBar")->singleStep(), 100);
    Click(Button("step45"));
    EXPECT_EQ(m.ChosenStepAngle, 45);
    EXPECT_EQ(Bar("stepAngleBar")->value(), 14613);
    EXPECT_TRUE(Button("step1")->isEnabled());
    Click(Button("run"));  // stopped: the step is chosen but the driver stays
    Click(Button("step10"));
    EXPECT_EQ(m.ChosenStepAngle, 10);
    EXPECT_EQ(m.StepAngle, 0);
}

TEST_F(MainWindowTest, StepBarSnapsToTheOneTwoThreeFiveSeries)
{
    struct Case {
        int position;
        float step;
        int small, large;
    };
    const Case cases[] = {{0, 0.01f, 1, 5},        {704, 0.01f, 1, 5},       {705, 0.02f, 2, 10},
                          {2408, 0.03f, 3, 15},    {2409, 0.05f, 5, 25},     {7612, 0.5f, 50, 250},
                          {7613, 1, 100, 500},     {11613, 10, 1000, 4500},  {12704, 10, 1000, 4500},
                          {12705, 20, 2000, 4500}, {14408, 30, 3000, 4500},  {14409, 45, 4500, 4500}};
    for (const Case& c : cases) {
        Bar("stepAngleBar")->setValue(c.position);
        EXPECT_FLOAT_EQ(m.ChosenStepAngle, c.step) << c.position;
        EXPECT_FLOAT_EQ(m.StepAngle, c.step) << c.position;
        EXPECT_EQ(Bar("driverAngleBar")->singleStep(), c.small) << c.position;
        EXPECT_EQ(Bar("driverAngleBar")->pageStep(), c.large) << c.position;
    }
}

TEST_F(MainWindowTest, ReverseArmBarSetsGearAndDirection)
{
    Bar("reverseArmBar")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Bar("reverseArmBar")->value(), -1);
    EXPECT_EQ(m.Direction, RunDirection::Reverse);
    EXPECT_TRUE(Button("centre")->isEnabled());
    EXPECT_NEAR(m.RevArmPosition, m.RevArmCentre - 0.001, 1e-6);
    const float before = m.DriverAngle;
    window->Tick();
    EXPECT_FLOAT_EQ(m.DriverAngle, before - 10 + 360);

    Bar("reverseArmBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Bar("reverseArmBar")->value(), 19);
    EXPECT_EQ(m.Direction, RunDirection::Forward);
}

TEST_F(MainWindowTest, GearButtonsGoToNormalForwardReverseAndCentre)
{
    m.FrontCutoffText = "77.6";
    Click(Button("forward"));
    EXPECT_EQ(Bar("reverseArmBar")->value(), 1040);
    EXPECT_FLOAT_EQ(m.RevArmPosition, m.RevArmCentre + 1.04f);
    EXPECT_EQ(m.Direction, RunDirection::Forward);
    EXPECT_FALSE(Button("forward")->isEnabled());
    EXPECT_TRUE(Button("centre")->isEnabled());
    EXPECT_TRUE(m.FrontCutoffText.empty());
    Click(Button("reverse"));
    EXPECT_EQ(Bar("reverseArmBar")->value(), -1040);
    EXPECT_EQ(m.Direction, RunDirection::Reverse);
    EXPECT_FALSE(Button("reverse")->isEnabled());
    Click(Button("centre"));
    EXPECT_EQ(Bar("reverseArmBar")->value(), 0);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_FALSE(Button("centre")->isEnabled());
}

TEST_F(MainWindowTest, CalcCentRevArmRecomputesMidGearAndCentres)
{
    Click(Button("forward"));
    m.Frame.RevArmUpper = 0.5f;
    Action("calcMidGear")->trigger();
    EXPECT_EQ(Bar("reverseArmBar")->value(), 0);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_NE(m.RevArmCentre, 0);
}

TEST_F(MainWindowTest, OptionTogglesNameTheirNextAction)
{
    Action("steamDisplay")->trigger();
    EXPECT_TRUE(m.SteamDisplayOn);
    EXPECT_EQ(Action("steamDisplay")->text(), "SetS&teamDisp Off");
    Action("tool10")->trigger();
    EXPECT_FALSE(m.SteamDisplayOn);
    EXPECT_EQ(Action("steamDisplay")->text(), "SetS&teamDisp On");
    Action("errorBeep")->trigger();
    EXPECT_FALSE(m.ErrorBeepOn);
    EXPECT_EQ(Action("errorBeep")->text(), "Set&ErrorBeep On");
    Action("lineWidth")->trigger();
    EXPECT_EQ(m.LineWidth, 2);
    EXPECT_EQ(Action("lineWidth")->text(), "Set&LineWidth 1");
    Action("largeFont")->trigger();
    EXPECT_TRUE(session->controls().largeFont);
    EXPECT_EQ(Action("largeFont")->text(), "SetSmall&Font");
    Action("largeFont")->trigger();
    EXPECT_FALSE(session->controls().largeFont);
}

TEST_F(MainWindowTest, ResetAllDimensionsRestoresDefaultsGearViewAndEditing)
{
    m.Frame.Stroke = 5;
    m.Frame.RevArmMax = 2;
    m.Cyl.CylCentreX = 20;
    m.ViewScale = 99;
    m.DimSetName = "Mine";
    session->Dimensions().MarkDimensionTyped();
    session->Dimensions().LeaveDimensionBox(2, 5.0f);
    Action("dynamicVariables")->trigger();
    Action("undoDisplay")->trigger();
    Click(Button("forward"));

    Action("resetAllDimensions")->trigger();
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(m.Cyl.CylCentreX, 16.0f);
    EXPECT_EQ(Bar("reverseArmBar")->value(), 0);
    EXPECT_EQ(Bar("reverseArmBar")->maximum(), 1300);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_EQ(m.ViewScale, 28.0f);
    EXPECT_EQ(m.DimSetName, "Nominal");
    EXPECT_EQ(m.DynVarSlots[1].code, 0u);
    EXPECT_EQ(m.Undo.Depth(), 0);
    EXPECT_FALSE(Button("undo")->isEnabled());
    EXPECT_FALSE(m.DynVarOn);
    EXPECT_FALSE(m.UndoOn);
    EXPECT_FALSE(Bar("dynVarBar1")->isVisible());
}

// ---- view controls --------------------------------------------------------------------

TEST_F(MainWindowTest, PanBarsStepByArrowPageAndDragAndSpringBack)
{
    const float x0 = m.ViewPanX;
    Bar("panHorizontalBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(m.ViewPanX, x0 + 0.1, 1e-4);
    EXPECT_EQ(Bar("panHorizontalBar")->value(), 0);
    EXPECT_TRUE(Button("norm")->isEnabled());
    Bar("panHorizontalBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(m.ViewPanX, x0 + 1.1, 1e-4);
    EXPECT_EQ(m.DynVarStep, 0);  // the spring-back pass leaves a zero step

    // A drag: each new position steps by position / 10, with the sign of the movement.
    const float y0 = m.ViewPanY;
    Bar("panVerticalBar")->setValue(30);
    EXPECT_NEAR(m.ViewPanY, y0 - 3, 1e-4);
    Bar("panVerticalBar")->setValue(50);
    EXPECT_NEAR(m.ViewPanY, y0 - 8, 1e-4);
    Bar("panVerticalBar")->setValue(20);
    EXPECT_NEAR(m.ViewPanY, y0 - 6, 1e-4);
    Bar("panVerticalBar")->setValue(-20);
    EXPECT_NEAR(m.ViewPanY, y0 - 4, 1e-4);
    EXPECT_EQ(Bar("panVerticalBar")->value(), 0);
}

TEST_F(MainWindowTest, ZoomKeepsTheCentrePixelAndClamps)
{
    auto modelAtCentre = [this] {
        return std::pair<double, double>((320 - m.ViewPanX) / m.ViewScale, (m.ViewPanY - 240) / m.ViewScale);
    };
    const auto before = modelAtCentre();
    Bar("zoomBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(m.ViewScale, 28 * 1.001, 1e-4);
    const auto after = modelAtCentre();
    EXPECT_NEAR(after.first, before.first, 1e-4);
    EXPECT_NEAR(after.second, before.second, 1e-4);
    for (int i = 0; i < 500; ++i) Bar("zoomBar")->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_FLOAT_EQ(m.ViewScale, 0.5f);
    m.ViewScale = 2990;
    Bar("zoomBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FLOAT_EQ(m.ViewScale, 3000);
}

TEST_F(MainWindowTest, PresetsCaptureRecallAndNormRestoresHome)
{
    m.ViewScale = 40;
    m.ViewPanX = 10;
    m.ViewPanY = 20;
    Click(Button("preset0"));
    EXPECT_FALSE(Button("preset0")->isEnabled());
    Click(Button("preset3"));
    EXPECT_TRUE(Button("preset0")->isEnabled());
    Click(Button("norm"));
    EXPECT_EQ(m.ViewScale, 28);
    EXPECT_EQ(m.ViewPanX, 115);
    EXPECT_EQ(m.ViewPanY, 270);
    EXPECT_EQ(m.SavedZoom, 40);
    Click(Button("preset3"));
    EXPECT_EQ(m.ViewScale, 40);
    EXPECT_EQ(m.ViewPanX, 10);
    EXPECT_EQ(m.ViewPanY, 20);
    Click(Button("preset5"));
    EXPECT_EQ(m.ViewScale, 350);
    EXPECT_EQ(m.ViewPanX, -5100);
}

TEST_F(MainWindowTest, ReferencePointsMoveZeroAndCentre)
{
    Action("referencePoints")->trigger();
    EXPECT_TRUE(m.RefPointsOn);
    EXPECT_TRUE(Bar("ref1HorizontalBar")->isVisible());
    EXPECT_TRUE(Button("refPoint1")->isEnabled());
    EXPECT_TRUE(Action("drawLines")->isEnabled());
    Bar("ref1HorizontalBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(m.Pivots[RefPoint1].x, 0.025, 1e-6);
    EXPECT_TRUE(Button("refZero1")->isEnabled());
    Click(Button("refZero1"));
    EXPECT_EQ(m.Pivots[RefPoint1].x, 0);
    EXPECT_FALSE(Button("refZero1")->isEnabled());

    Click(Button("refPoint1"));  // reference point at the origin
    EXPECT_EQ(ScreenX(m, 0), 302);
    EXPECT_EQ(ScreenY(m, 0), 242);
    EXPECT_EQ(Bar("panHorizontalBar")->value(), 0);
    Click(Button("norm"));
    EXPECT_EQ(m.ViewPanX, 115);

    Action("referencePoints")->trigger();
    EXPECT_FALSE(Bar("ref1HorizontalBar")->isVisible());
    EXPECT_FALSE(Action("drawLines")->isEnabled());
}

TEST_F(MainWindowTest, ScreenDataOffHidesTheStripAndOffersPanZoom)
{
    Action("screenData")->trigger();
    EXPECT_FALSE(m.ScreenDataOn);
    EXPECT_EQ(Action("screenData")->text(), "SetScree&nData On");
    EXPECT_FALSE(Button("run")->isVisible());
    EXPECT_FALSE(Bar("reverseArmBar")->isVisible());
    EXPECT_FALSE(ToolBar("toolBar")->isVisible());
    EXPECT_FALSE(Widget("panel1")->isVisible());
    EXPECT_FALSE(Action("setDriverAngle")->isEnabled());
    EXPECT_TRUE(Action("panZoom")->isEnabled());
    Action("panZoom")->trigger();
    EXPECT_TRUE(Bar("zoomBar")->isVisible());
    EXPECT_EQ(Action("panZoom")->text(), "SetP&anZoom Off");
    Action("panZoom")->trigger();
    EXPECT_FALSE(Bar("zoomBar")->isVisible());

    Action("screenData")->trigger();
    EXPECT_TRUE(Button("run")->isVisible());
    EXPECT_TRUE(Widget("panel9")->isVisible());
    EXPECT_FALSE(Widget("panel5")->isVisible());
    EXPECT_FALSE(Button("refZero1")->isVisible());
    EXPECT_FALSE(Action("panZoom")->isEnabled());
}
