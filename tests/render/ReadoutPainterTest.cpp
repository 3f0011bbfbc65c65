// The readouts drawn on the picture, the error indicator, cut-offs, and the dynamic-variable bars.
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <gtest/gtest.h>
#include <memory>

#include "QStringPrinter.h"
#include "model/tick/AnimationTick.h"
#include "model/tick/CutoffTracking.h"
#include "model/design/DesignFile.h"
#include "model/editing/DynVars.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "render/scene/ReadoutPainter.h"

using namespace zeph;

namespace {

class ReadoutsTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // One tick's worth: solve and openings at the current angle, the tick's state, then the readouts.
    RecordingCanvas& Draw()
    {
        SolveLinkage(m);
        CalcPortOpenings(m);
        UpdateTickState(m);
        canvas = std::make_unique<RecordingCanvas>();
        blanked = DrawReadouts(*canvas, m, text);
        return *canvas;
    }

    // Where the main window puts its "UnDo" button beside the undo line; -1 while hidden.
    int UndoButtonPlace() const { return UndoButtonShown(m) ? UndoButtonTop(m, text) : -1; }

    static QPoint At(const CanvasCall* call) { return call ? QPoint(call->x(), call->y()) : QPoint(-1, -1); }

    MechanismModel m;
    TextScale text;  // the font the window shows
    std::unique_ptr<RecordingCanvas> canvas;
    bool blanked = false;  // whether the last drawing left a figure blank
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
    text = TextScaleFor(true);
    m.UndoOn = true;
    RecordingCanvas& c = Draw();
    int buttonTop = UndoButtonPlace();
    EXPECT_EQ(At(c.FindText("FrontCO% ")), QPoint(692, 133));
    // The bar labels keep their bars' rows; their room before the gear buttons grows to 1.27 x 51.
    EXPECT_EQ(At(c.FindText("Pan Vert")), QPoint(185, 25));
    EXPECT_EQ(At(c.FindText(" 0-   0.000 to  0.000")), QPoint(406, 93));
    EXPECT_EQ(buttonTop, 91);
    m.DynVarOn = true;
    RecordingCanvas& d = Draw();
    buttonTop = UndoButtonPlace();
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
    EXPECT_EQ(m.ErrorTicks, 0);
    EXPECT_EQ(m.PrevFrontSteamOpening, 1);
}

TEST_F(ReadoutsTest, CutoffShowsForAboutOneTurnAndOnlyAtModerateSteps)
{
    // A fresh cut-off at step 10 is shown for round(400 / 10.1) = 40 ticks.
    m.PrevFrontSteamOpening = 0.01f;
    m.Ports.FrontSteamOpening = -0.01f;
    m.Cutoff.FrontTicks = 0;
    canvas = std::make_unique<RecordingCanvas>();
    m.Ports.PistonTravel = 100;
    TrackCutoffs(m);
    DrawReadouts(*canvas, m, text);
    EXPECT_EQ(m.Cutoff.FrontTicks, 40 - 1);

    m.StepAngle = 23;
    RecordingCanvas& c = Draw();
    EXPECT_EQ(c.FindText("FrontCO% "), nullptr);
    m.StepAngle = 0;
    EXPECT_EQ(Draw().FindText("RearCO% "), nullptr);
}

// A figure that is not a number, or that would run well past its field, is left blank and
// reported for the warning: the designs a file may bring with every value 0, 3.4e38 or the
// smallest denormal, and values too big for any field. One that overruns its field by a digit
// or two (a design in millimetres) still shows.
TEST_F(ReadoutsTest, FiguresThatCannotShowAreLeftBlankAndReported)
{
    const QRegularExpression unshowable("NAN|INF|\\d{12,}");  // no field takes 12 characters
    const auto clean = [&](const RecordingCanvas& c) {
        for (const CanvasCall* call : c.Calls(CanvasOp::TextOut))
            if (unshowable.match(call->text).hasMatch()) return call->text;
        return QStringLiteral("clean");
    };
    const auto everythingShown = [this] {
        m.RefPointsOn = m.DynVarOn = m.UndoOn = m.PivotDataOn = true;
        m.PivotData.PivotSlotShown.fill(true);
        m.DynVarSlots[1] = {2, m.Frame.Stroke, "Stroke"};
    };
    for (const float v : {0.0f, 3.4e38f, std::numeric_limits<float>::denorm_min()}) {
        std::vector<std::uint8_t> design(DesignRecordCount * DesignFieldsPerRecord * 4);
        for (size_t i = 0; i < design.size(); i += 4) std::memcpy(&design[i], &v, 4);
        const float lineSlot = 1;
        std::memcpy(&design[design.size() - 4], &lineSlot, 4);
        m.StartUp();
        ASSERT_FALSE(OpenDesign(m, design)) << v;
        everythingShown();
        RecordingCanvas& c = Draw();
        EXPECT_EQ(clean(c), QStringLiteral("clean")) << v;
        EXPECT_NE(c.FindText("ValveCen         "), nullptr) << v;
        EXPECT_TRUE(blanked) << v;
    }
    m.StartUp();
    everythingShown();
    m.DynVarSlots[2] = {3, 1234.5f, "Main Rod Length"};
    EXPECT_NE(Draw().FindText("1234.500"), nullptr);
    EXPECT_FALSE(blanked);
    m.Pivots[RefPoint1].x = 1e30f;
    RecordingCanvas& c = Draw();
    EXPECT_EQ(clean(c), QStringLiteral("clean"));
    EXPECT_NE(c.FindText("Pt1H       "), nullptr);
    EXPECT_TRUE(blanked);
    // A cut-off measured from such a piston position is left blank too, and warns.
    m.MechanismError = false;
    m.PrevFrontSteamOpening = 1;
    m.Ports.FrontSteamOpening = -1;
    m.Ports.PistonTravel = 3.4e38f;
    TrackCutoffs(m);
    EXPECT_EQ(m.FrontCutoffText, "    ");
    EXPECT_TRUE(m.MechanismError);
}

TEST_F(ReadoutsTest, ReferencePointsAndTheirDistance)
{
    m.RefPointsOn = true;
    m.Pivots[RefPoint1] = {3, 4};
    m.Pivots[RefPoint2] = {0, 0};
    RecordingCanvas& c = Draw();
    EXPECT_EQ(At(c.FindText("Pt1V  4.000")), QPoint(143, 71));
    EXPECT_EQ(At(c.FindText("Pt1H  3.000")), QPoint(143, 83));
    EXPECT_EQ(At(c.FindText("Pt2V  0.000")), QPoint(143, 95));
    EXPECT_EQ(At(c.FindText(" 5.000")), QPoint(209, 107));
    EXPECT_EQ(At(c.FindText("1")), QPoint(202, 141));
    EXPECT_EQ(At(c.FindText("2")), QPoint(118, 253));
}

TEST_F(ReadoutsTest, DynamicVariablesWarnUntilChosenThenListTheSlots)
{
    m.DynVarOn = true;
    RecordingCanvas& c = Draw();
    const CanvasCall* warning = c.FindText("* First Select Dimensions *");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->fontColor, clRed);
    EXPECT_EQ(At(warning), QPoint(377, 81));
    EXPECT_FALSE(DynVarSlotInUse(m, 1));  // its bar has nothing to change

    m.DynVarSlots[1] = {2, 3.0f, "Stroke"};
    RecordingCanvas& d = Draw();
    EXPECT_EQ(At(d.FindText("Stroke")), QPoint(377, 71));
    EXPECT_EQ(At(d.FindText(" 3.000")), QPoint(498, 71));
    EXPECT_TRUE(DynVarSlotInUse(m, 1));
    EXPECT_FALSE(DynVarSlotInUse(m, 2));
}

// The piston readout is the crosshead's way from its front dead centre in percent of the stroke,
// measured here on the solved pivots.
TEST_F(ReadoutsTest, PistonPercentIsTheCrossheadsShareOfTheStroke)
{
    SolveLinkage(m);
    const double frontDeadCentre = m.Pivots[Crosshead].x;
    for (float angle : {30.0f, 90.0f, 150.0f, 180.0f, 250.0f, 320.0f}) {
        m.DriverAngle = angle;
        const QStringList texts = Draw().Texts().filter(QRegularExpression("^Piston % "));
        ASSERT_EQ(texts.size(), 1) << angle;
        const double shown = texts[0].mid(9).toDouble();
        EXPECT_NEAR(shown, (frontDeadCentre - m.Pivots[Crosshead].x) / m.Frame.Stroke * 100, 0.006) << angle;
    }
}
