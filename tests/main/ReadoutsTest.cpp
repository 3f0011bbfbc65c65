// The readouts drawn on the picture, the error indicator, cut-offs, and the dynamic-variable bars.
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "QStringPrinter.h"
#include "main/DynVarBars.h"
#include "main/MainForm.h"
#include "main/Readouts.h"
#include "model/Solver.h"
#include "model/ValveEvents.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "platform/Sound.h"

using namespace zeph;

namespace {

class ReadoutsTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // One tick's worth: solve and openings at the current angle, then the readouts.
    RecordingCanvas& Draw()
    {
        SolveLinkage(m);
        CalcPortOpenings(m);
        canvas = std::make_unique<RecordingCanvas>();
        readouts.DrawReadouts(*canvas);
        return *canvas;
    }

    static QPoint At(const CanvasCall* call) { return call ? QPoint(call->x(), call->y()) : QPoint(-1, -1); }

    // Runs a whole forward turn at a step and returns the last cut-off texts.
    std::pair<double, double> CutoffsOverATurn(float step)
    {
        m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
        m.StepAngle = step;
        const int steps = static_cast<int>(std::lround(360 / step)) + 2;
        for (int i = 0; i <= steps; ++i) {
            m.DriverAngle = std::fmod(i * step, 360.0f);
            Draw();
        }
        return {std::stod(m.FrontCutoffText), std::stod(m.RearCutoffText)};
    }

    MechanismModel m;
    RecordingSound sound;
    Readouts readouts{m, sound};
    std::unique_ptr<RecordingCanvas> canvas;
};

}  // namespace

TEST_F(ReadoutsTest, ValuesStandAtTheirPlacesInTheirFormats)
{
    RecordingCanvas& c = Draw();
    EXPECT_EQ(At(c.FindText("Pan Vert")), QPoint(199, 25));
    EXPECT_EQ(At(c.FindText("Zoom")), QPoint(199, 53));
    EXPECT_EQ(At(c.FindText("Rev Arm  3.769  ")), QPoint(459, 25));
    EXPECT_EQ(At(c.FindText("Driv Ang   0.00  ")), QPoint(459, 39));
    EXPECT_EQ(At(c.FindText("Step Ang 10.00  ")), QPoint(459, 53));
    EXPECT_EQ(At(c.FindText("Piston %   0.00  ")), QPoint(545, 25));
    EXPECT_EQ(At(c.FindText("ValveCen  0.179  ")), QPoint(545, 37));
    EXPECT_EQ(At(c.FindText("ValveFSt  0.024  ")), QPoint(545, 49));
    EXPECT_EQ(At(c.FindText("ValveFEx -0.179  ")), QPoint(545, 61));
    EXPECT_EQ(At(c.FindText("ValveRSt -0.334  ")), QPoint(545, 73));
    EXPECT_EQ(At(c.FindText("ValveREx  0.179  ")), QPoint(545, 85));
    EXPECT_NE(c.FindText("FrontCO% "), nullptr);
    EXPECT_EQ(At(c.FindText("FrontCO% ")), QPoint(545, 109));
    EXPECT_EQ(At(c.FindText("RearCO% ")), QPoint(545, 121));
}

TEST_F(ReadoutsTest, LargeFontScalesPositionsAndTheUndoLineByTheHorizontalScale)
{
    m.TextScaleX = 1.27f;
    m.TextScaleY = 1.22f;
    m.UndoOn = true;
    int buttonTop = -1;
    readouts.SetHooks({{}, {}, [&](bool visible, int top) { buttonTop = visible ? top : -1; }, {}});
    RecordingCanvas& c = Draw();
    EXPECT_EQ(At(c.FindText("FrontCO% ")), QPoint(692, 133));
    EXPECT_EQ(At(c.FindText("Pan Vert")), QPoint(253, 31));  // 1.22f * 25 is just above 30.5
    EXPECT_EQ(At(c.FindText(" 0-   0.000 to  0.000")), QPoint(406, 93));
    EXPECT_EQ(buttonTop, 91);
    m.DynVarOn = true;
    RecordingCanvas& d = Draw();
    EXPECT_EQ(At(d.FindText(" 0-   0.000 to  0.000")), QPoint(406, 163));
    EXPECT_EQ(buttonTop, 161);
}

TEST_F(ReadoutsTest, ScreenDataOffDrawsNothingAndTracksNothing)
{
    m.ScreenDataOn = false;
    m.MechanismError = true;
    m.PrevFrontSteamOpening = 1;
    RecordingCanvas& c = Draw();
    for (const CanvasCall& call : c.calls) EXPECT_NE(call.op, CanvasOp::TextOut);
    EXPECT_EQ(readouts.ErrorTicks, 0);
    EXPECT_EQ(m.PrevFrontSteamOpening, 1);
}

TEST_F(ReadoutsTest, ErrorIndicatorShowsNineTicksThenSoundsAndClears)
{
    std::vector<bool> shown;
    readouts.SetHooks({{}, [&](bool visible) { shown.push_back(visible); }, {}, {}});
    m.MechanismError = true;
    for (int tick = 1; tick <= 21; ++tick) {
        Draw();
        if (tick <= 20) m.MechanismError = true;  // not raised again by the solver here
        if (tick == 9) {
            EXPECT_EQ(shown.size(), 9u);
            EXPECT_TRUE(sound.plays.empty());
        }
        if (tick == 10) {
            ASSERT_EQ(sound.plays.size(), 1u);
            EXPECT_EQ(sound.plays[0].fileName, "Error.wav");
            EXPECT_FALSE(shown.back());
        }
    }
    EXPECT_EQ(readouts.ErrorTicks, 0);
    EXPECT_FALSE(m.MechanismError);
}

TEST_F(ReadoutsTest, CutoffShowsForAboutOneTurnAndOnlyAtModerateSteps)
{
    CutoffsOverATurn(10);
    EXPECT_EQ(readouts.FrontCutoffTicks > 0 || readouts.RearCutoffTicks > 0, true);
    // A fresh cut-off at step 10 is shown for round(400 / 10.1) = 40 ticks.
    m.PrevFrontSteamOpening = 0.01f;
    m.Ports.FrontSteamOpening = -0.01f;
    readouts.FrontCutoffTicks = 0;
    canvas = std::make_unique<RecordingCanvas>();
    m.Ports.PistonTravel = 100;
    readouts.DrawReadouts(*canvas);
    EXPECT_EQ(readouts.FrontCutoffTicks, 40 - 1);

    m.StepAngle = 23;
    RecordingCanvas& c = Draw();
    EXPECT_EQ(c.FindText("FrontCO% "), nullptr);
    m.StepAngle = 0;
    EXPECT_EQ(Draw().FindText("RearCO% "), nullptr);
}

TEST_F(ReadoutsTest, CutoffsAgreeWithTheReportAtAFineStepAndStayCloseAtCoarseOnes)
{
    const auto fine = CutoffsOverATurn(0.1f);
    // The same turn swept the companion report's way, with the shared event-crossing rule.
    MechanismModel ref;
    ref.StartUp();
    ref.RevArmPosition = ref.RevArmCentre + ref.Frame.RevArmNorm;
    Real prevF = 0, prevR = 0, prevP = 0, front = -1, rear = -1;
    for (int k = 0; k <= 3600; ++k) {
        ref.DriverAngle = static_cast<float>(k * 0.1L);
        SolveLinkage(ref);
        CalcPortOpenings(ref);
        const PortState& p = ref.Ports;
        if (k > 0) {
            if (auto c = EventCrossing(Crossing::Falling, prevF, p.FrontSteamOpening, prevP, p.PistonTravel))
                front = FrontPercent(*c);
            if (auto c = EventCrossing(Crossing::Falling, prevR, p.RearSteamOpening, prevP, p.PistonTravel))
                rear = RearPercent(*c);
        }
        prevF = p.FrontSteamOpening;
        prevR = p.RearSteamOpening;
        prevP = p.PistonTravel;
    }
    EXPECT_NEAR(fine.first, front, 0.1);
    EXPECT_NEAR(fine.second, rear, 0.1);
    EXPECT_NEAR(CutoffsOverATurn(1).first, 77.6, 0.3);
    EXPECT_NEAR(CutoffsOverATurn(10).first, 77.6, 3);
}

TEST_F(ReadoutsTest, ReferencePointsAndTheirDistance)
{
    m.RefPointsOn = true;
    m.Pivots[RefPoint1] = {3, 4, 200, 150};
    m.Pivots[RefPoint2] = {0, 0, 115, 270};
    RecordingCanvas& c = Draw();
    EXPECT_EQ(At(c.FindText("Pt1V  4.000")), QPoint(143, 71));
    EXPECT_EQ(At(c.FindText("Pt1H  3.000")), QPoint(143, 83));
    EXPECT_EQ(At(c.FindText("Pt2V  0.000")), QPoint(143, 95));
    EXPECT_EQ(At(c.FindText(" 5.000")), QPoint(209, 107));
    EXPECT_EQ(At(c.FindText("1")), QPoint(203, 133));
    EXPECT_EQ(At(c.FindText("2")), QPoint(118, 253));
}

TEST_F(ReadoutsTest, DynamicVariablesWarnUntilChosenThenListTheSlots)
{
    m.DynVarOn = true;
    std::array<int, 5> enabled{};
    readouts.SetHooks({{}, {}, {}, [&](int slot, bool on) { enabled[slot] = on; }});
    RecordingCanvas& c = Draw();
    const CanvasCall* warning = c.FindText("* First Select Dimensions *");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->fontColor, clRed);
    EXPECT_EQ(At(warning), QPoint(377, 81));
    EXPECT_EQ(enabled[1], 0);

    m.DynVarSlots[1] = {2, 3.0f, "Stroke"};
    RecordingCanvas& d = Draw();
    EXPECT_EQ(At(d.FindText("Stroke")), QPoint(377, 71));
    EXPECT_EQ(At(d.FindText(" 3.000")), QPoint(498, 71));
    EXPECT_EQ(enabled[1], 1);
    EXPECT_EQ(enabled[2], 0);
}

TEST(WindowCaption, NamesTheDesignDateTimeAndVersion)
{
    MechanismModel m;
    m.StartUp();
    const QString caption = WindowCaption(m, MainWindowTitle);
    EXPECT_TRUE(caption.startsWith("ZEPHARIN Inside Admission            Nominal     "));
    EXPECT_TRUE(caption.endsWith("   Version 2.6"));
}

// ---- the dynamic-variable bars on the main window -----------------------------------------

TEST(MainWindowDynVars, ArrowClickStepsTheDimensionAndEndOfScrollRecordsUndo)
{
    MechanismModel m;
    RecordingSound sound;
    TMainForm form(m, sound);
    form.Timer1->stop();
    form.show();
    form.DynamicVariables->trigger();
    EXPECT_TRUE(form.SBDynVar[0]->isVisible());
    m.DynVarSlots[0] = {2, 3.0f, "Stroke"};
    RegisterDynVar(m);

    form.DynVars->BarEnter(1);
    form.SBDynVar[0]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m.Frame.Stroke, static_cast<float>(Real(3.0f) + Real(0.001f)));
    EXPECT_EQ(form.SBDynVar[0]->value(), 0);
    form.DynVars->BarEndScroll(1);
    EXPECT_EQ(m.UndoDepth, 1);
    EXPECT_EQ(m.UndoStack[1].code, 2);
    EXPECT_EQ(m.UndoStack[1].oldValue, 3.0f);
    EXPECT_EQ(m.UndoStack[1].newValue, m.Frame.Stroke);
    EXPECT_EQ(m.UndoStack[1].name, "Stroke");
    EXPECT_TRUE(form.UnDoDn->isEnabled());
    EXPECT_FALSE(m.DimEditTyped);

    form.DynVars->BarEnter(1);
    form.SBDynVar[0]->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_NEAR(m.Frame.Stroke, 2.991, 1e-6);
    form.DynVars->BarEndScroll(1);

    QTest::mouseClick(form.UnDoDn, Qt::LeftButton);
    QTest::mouseClick(form.UnDoDn, Qt::LeftButton);
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_FALSE(form.UnDoDn->isEnabled());
}
