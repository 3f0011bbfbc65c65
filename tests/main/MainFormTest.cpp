// The main window driven as a user would: ticks, run and gear controls, step snapping, view.
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "dimensions/CylinIN.h"
#include "dimensions/ZpIFrame.h"
#include "main/MainForm.h"
#include "model/ViewTransform.h"
#include "platform/Sound.h"
#include "QStringPrinter.h"

using namespace zeph;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>(m, sound);
        form->Timer1->stop();
        form->show();
    }

    void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    MechanismModel m;
    RecordingSound sound;
    std::unique_ptr<TMainForm> form;
};

QStringList MenuCaptions(const QMenuBar* bar)
{
    QStringList out;
    for (QAction* a : bar->actions()) out << a->text();
    return out;
}

}  // namespace

TEST_F(MainFormTest, OpensWithStartUpStateCaptionsAndControlStates)
{
    EXPECT_TRUE(form->windowTitle().startsWith("ZEPHARIN Inside Admission"));
    EXPECT_EQ(form->Client->size(), QSize(632, 380));
    EXPECT_EQ(sound.WaveVolume(), 0x80008000u);
    EXPECT_NEAR(m.RevArmPosition, 3.769, 0.001);
    EXPECT_EQ(form->SBRevArm->minimum(), -1300);
    EXPECT_EQ(form->SBRevArm->maximum(), 1300);
    EXPECT_EQ(form->SBStepAng->value(), 12000);
    EXPECT_EQ(form->Run->text(), "Stop");
    EXPECT_FALSE(form->SBDrvAng->isEnabled());
    EXPECT_FALSE(form->Center->isEnabled());
    EXPECT_FALSE(form->Step10->isEnabled());
    EXPECT_TRUE(form->Step1->isEnabled());
    EXPECT_FALSE(form->NormVHZ->isEnabled());
    EXPECT_FALSE(form->RefPt1->isEnabled());
    EXPECT_FALSE(form->SBRef1Vert->isVisible());
    EXPECT_FALSE(form->SetPanZoom->isEnabled());
    EXPECT_FALSE(form->DrawLines1->isEnabled());
    EXPECT_FALSE(form->Error->isVisible());
    EXPECT_EQ(form->SBRevArm->toolTip(), "Set Reverse Arm Between Max & Min");
    EXPECT_EQ(form->Preset[0]->toolTip(), "Select First to Change Presets");
    EXPECT_EQ(form->Run->geometry(), QRect(277, 39, 36, 14));
    EXPECT_EQ(form->SBRevArm->geometry(), QRect(336, 26, 121, 12));
    EXPECT_EQ(form->Timer1->interval(), 1);
    EXPECT_EQ(form->Timer1->timerType(), Qt::PreciseTimer);
}

TEST_F(MainFormTest, MenuAndToolBarCarryTheirCaptionsAndHintsInOrder)
{
    const QStringList top = MenuCaptions(form->menuBar());
    const QStringList expected = {"&File",        "&SetUp", "&EditDimen",  "&ReferPoints", "&DrawLinesCircles",
                                  "Pi&votData",   "D&ynamicVari", "&UnDo", "Draw&Graphs", "&Help", ""};
    EXPECT_EQ(top, expected);
    QStringList setup;
    for (QAction* a : form->menuBar()->actions()[1]->menu()->actions()) setup << a->text();
    EXPECT_EQ(setup, (QStringList{"Set&RevArmPos", "Set&DriverAng", "Set&StepAng", "SetRef&Points", "",
                                  "SetLarge&Font", "&CalcCentRevArm", "SetS&teamDisp On", "Set&ErrorBeep Off",
                                  "Set&LineWidth 2", "SetScree&nData Off", "SetP&anZoom On"}));
    QStringList hints;
    for (QAction* a : form->ToolBar1->actions())
        if (!a->isSeparator()) hints << a->toolTip();
    EXPECT_EQ(hints.size(), 18);
    EXPECT_EQ(hints.first(), "Open File: Dimensional Data");
    EXPECT_EQ(hints[9], "Turn On Reference Points");
    EXPECT_EQ(hints[11], "Turn On Pivot Data");
    EXPECT_EQ(hints.last(), "View Port Events vs Reverse Arm Position");
}

TEST_F(MainFormTest, TickAdvancesAndWrapsTheDriverAngle)
{
    m.DriverAngle = 350;
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(m.DriverAngle, 360);  // 360 is not above 360.1, so it stays
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(m.DriverAngle, 10);

    m.DriverAngle = 0;
    m.StepAngle = 45;
    m.RunDirection = "Rev";
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(m.DriverAngle, 315);
}

TEST_F(MainFormTest, DriverBarBelowZeroWrapsOnTheNextTick)
{
    Click(form->Run);  // stop
    form->SBDrvAng->setValue(-4000);
    EXPECT_FLOAT_EQ(m.DriverAngle, -40);
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(m.DriverAngle, 320);
}

TEST_F(MainFormTest, TickSolvesMapsAndComputesOutlinesBeforeAdvancing)
{
    form->Timer1Timer();
    EXPECT_NEAR(m.Pivots[CrankPin].x, 1.5, 1e-4);  // solved at the angle before the step
    EXPECT_FLOAT_EQ(m.DriverAngle, 10);
    EXPECT_EQ(m.Pivots[CrankPin].sx, ScreenX(m, m.Pivots[CrankPin].x));
    EXPECT_EQ(m.Outlines.CO[4].x, ScreenX(m, 16 + 2));
}

TEST_F(MainFormTest, RunStopLeavesTheDriverBarAtTheAngle)
{
    m.DriverAngle = 123.45f;
    Click(form->Run);
    EXPECT_EQ(form->Run->text(), "Run");
    EXPECT_EQ(form->SBDrvAng->value(), 12345);
    EXPECT_TRUE(form->SBDrvAng->isEnabled());
    EXPECT_EQ(m.StepAngle, 0);
    form->SBDrvAng->setValue(9000);
    EXPECT_FLOAT_EQ(m.DriverAngle, 90);
    Click(form->Run);
    EXPECT_EQ(form->Run->text(), "Stop");
    EXPECT_EQ(m.StepAngle, 10);
    EXPECT_FALSE(form->SBDrvAng->isEnabled());
}

TEST_F(MainFormTest, ZeroAnd180StopTheDriverThere)
{
    Click(form->Deg180);
    EXPECT_EQ(m.DriverAngle, 180);
    EXPECT_EQ(form->SBDrvAng->value(), 18000);
    EXPECT_EQ(form->Run->text(), "Run");
    EXPECT_FALSE(form->Deg180->isEnabled());
    Click(form->Deg00);
    EXPECT_EQ(m.DriverAngle, 0);
    EXPECT_FALSE(form->Deg00->isEnabled());
    EXPECT_TRUE(form->Deg180->isEnabled());
    form->FormActivate();
    EXPECT_FALSE(form->SBDrvAng->isEnabled());
}

TEST_F(MainFormTest, StepButtonsSetTheStepAndTheBar)
{
    Click(form->Step1);
    EXPECT_EQ(m.ChosenStepAngle, 1);
    EXPECT_EQ(m.StepAngle, 1);
    EXPECT_EQ(form->SBStepAng->value(), 8000);
    EXPECT_FALSE(form->Step1->isEnabled());
    EXPECT_TRUE(form->Step10->isEnabled());
    EXPECT_EQ(form->SBDrvAng->singleStep(), 100);
    Click(form->Step45);
    EXPECT_EQ(m.ChosenStepAngle, 45);
    EXPECT_EQ(form->SBStepAng->value(), 14613);
    EXPECT_TRUE(form->Step1->isEnabled());
    Click(form->Run);  // stopped: the step is chosen but the driver stays
    Click(form->Step10);
    EXPECT_EQ(m.ChosenStepAngle, 10);
    EXPECT_EQ(m.StepAngle, 0);
}

TEST_F(MainFormTest, StepBarSnapsToTheOneTwoThreeFiveSeries)
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
        form->SBStepAng->setValue(c.position);
        EXPECT_FLOAT_EQ(m.ChosenStepAngle, c.step) << c.position;
        EXPECT_FLOAT_EQ(m.StepAngle, c.step) << c.position;
        EXPECT_EQ(form->SBDrvAng->singleStep(), c.small) << c.position;
        EXPECT_EQ(form->SBDrvAng->pageStep(), c.large) << c.position;
    }
}

TEST_F(MainFormTest, ReverseArmBarSetsGearAndDirection)
{
    form->SBRevArm->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(form->SBRevArm->value(), -1);
    EXPECT_EQ(m.RunDirection, "Rev");
    EXPECT_TRUE(form->Center->isEnabled());
    EXPECT_NEAR(m.RevArmPosition, m.RevArmCentre - 0.001, 1e-6);
    const float before = m.DriverAngle;
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(m.DriverAngle, before - 10 + 360);

    form->SBRevArm->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form->SBRevArm->value(), 19);
    EXPECT_EQ(m.RunDirection, "Fwd");
}

TEST_F(MainFormTest, GearButtonsGoToNormalForwardReverseAndCentre)
{
    m.FrontCutoffText = "77.6";
    Click(form->Fwd);
    EXPECT_EQ(form->SBRevArm->value(), 1040);
    EXPECT_FLOAT_EQ(m.RevArmPosition, m.RevArmCentre + 1.04f);
    EXPECT_EQ(m.RunDirection, "Fwd");
    EXPECT_FALSE(form->Fwd->isEnabled());
    EXPECT_TRUE(form->Center->isEnabled());
    EXPECT_TRUE(m.FrontCutoffText.empty());
    Click(form->Rev);
    EXPECT_EQ(form->SBRevArm->value(), -1040);
    EXPECT_EQ(m.RunDirection, "Rev");
    EXPECT_FALSE(form->Rev->isEnabled());
    Click(form->Center);
    EXPECT_EQ(form->SBRevArm->value(), 0);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_FALSE(form->Center->isEnabled());
}

TEST_F(MainFormTest, CalcCentRevArmRecomputesMidGearAndCentres)
{
    Click(form->Fwd);
    m.Frame.RevArmUpper = 0.5f;
    form->FindRevArmCent->trigger();
    EXPECT_EQ(form->SBRevArm->value(), 0);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_NE(m.RevArmCentre, 0);
}

TEST_F(MainFormTest, OptionTogglesNameTheirNextAction)
{
    form->SetSteam->trigger();
    EXPECT_TRUE(m.SteamDisplayOn);
    EXPECT_EQ(form->SetSteam->text(), "SetS&teamDisp Off");
    form->ToolButton[10]->trigger();
    EXPECT_FALSE(m.SteamDisplayOn);
    EXPECT_EQ(form->SetSteam->text(), "SetS&teamDisp On");
    form->SetErrorBeep->trigger();
    EXPECT_FALSE(m.ErrorBeepOn);
    EXPECT_EQ(form->SetErrorBeep->text(), "Set&ErrorBeep On");
    form->SetLineWidth->trigger();
    EXPECT_EQ(m.LineWidth, 2);
    EXPECT_EQ(form->SetLineWidth->text(), "Set&LineWidth 1");
    form->LargeFont->trigger();
    EXPECT_FLOAT_EQ(m.TextScaleX, 1.27f);
    EXPECT_FLOAT_EQ(m.TextScaleY, 1.22f);
    EXPECT_EQ(form->LargeFont->text(), "SetSmall&Font");
    form->LargeFont->trigger();
    EXPECT_FLOAT_EQ(m.TextScaleX, 1);
}

TEST_F(MainFormTest, ResetAllDimensionsRestoresDefaultsGearViewAndEditing)
{
    TFrameDi frame(m, *form);
    TCylDimen cyl(m, *form);
    form->Windows.FrameDi = &frame;
    form->Windows.CylDimen = &cyl;
    m.Frame.Stroke = 5;
    m.Frame.RevArmMax = 2;
    m.Cyl.CylCentreX = 20;
    m.ViewScale = 99;
    m.DimSetName = "Mine";
    m.DynVarSlots[0] = {2, 5.0f, "Stroke"};
    RegisterDynVar(m);
    m.DimEditTyped = true;
    PushUndo(m, form->UndoSink());
    m.DimEditTyped = false;
    form->DynamicVariables->trigger();
    form->SetUnDo->trigger();
    Click(form->Fwd);

    form->ResetAllDimensions->trigger();
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(m.Cyl.CylCentreX, 16.0f);
    EXPECT_EQ(form->SBRevArm->value(), 0);
    EXPECT_EQ(form->SBRevArm->maximum(), 1300);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_EQ(m.ViewScale, 28.0f);
    EXPECT_EQ(m.DimSetName, "Nominal");
    EXPECT_EQ(m.DynVarSlots[1].code, 0u);
    EXPECT_EQ(m.UndoDepth, 0);
    EXPECT_FALSE(form->UnDoDn->isEnabled());
    EXPECT_FALSE(m.DynVarOn);
    EXPECT_FALSE(m.UndoOn);
    EXPECT_FALSE(form->SBDynVar[0]->isVisible());
}

// ---- view controls --------------------------------------------------------------------

TEST_F(MainFormTest, PanBarsStepByArrowPageAndDragAndSpringBack)
{
    const float x0 = m.ViewPanX;
    form->SBPanHorz->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(m.ViewPanX, x0 + 0.1, 1e-4);
    EXPECT_EQ(form->SBPanHorz->value(), 0);
    EXPECT_TRUE(form->NormVHZ->isEnabled());
    form->SBPanHorz->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(m.ViewPanX, x0 + 1.1, 1e-4);
    EXPECT_EQ(m.DynVarStep, 0);  // the spring-back pass leaves a zero step

    // A drag: each new position steps by position / 10, with the sign of the movement.
    const float y0 = m.ViewPanY;
    form->SBPanVert->setValue(30);
    EXPECT_NEAR(m.ViewPanY, y0 - 3, 1e-4);
    form->SBPanVert->setValue(50);
    EXPECT_NEAR(m.ViewPanY, y0 - 8, 1e-4);
    form->SBPanVert->setValue(20);
    EXPECT_NEAR(m.ViewPanY, y0 - 6, 1e-4);
    form->SBPanVert->setValue(-20);
    EXPECT_NEAR(m.ViewPanY, y0 - 4, 1e-4);
    EXPECT_EQ(form->SBPanVert->value(), 0);
}

TEST_F(MainFormTest, ZoomKeepsTheCentrePixelAndClamps)
{
    auto modelAtCentre = [this] {
        return std::pair<double, double>((320 - m.ViewPanX) / m.ViewScale, (m.ViewPanY - 240) / m.ViewScale);
    };
    const auto before = modelAtCentre();
    form->SBZoom->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(m.ViewScale, 28 * 1.001, 1e-4);
    const auto after = modelAtCentre();
    EXPECT_NEAR(after.first, before.first, 1e-4);
    EXPECT_NEAR(after.second, before.second, 1e-4);
    for (int i = 0; i < 500; ++i) form->SBZoom->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_FLOAT_EQ(m.ViewScale, 0.5f);
    m.ViewScale = 2990;
    form->SBZoom->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_FLOAT_EQ(m.ViewScale, 3000);
}

TEST_F(MainFormTest, PresetsCaptureRecallAndNormRestoresHome)
{
    m.ViewScale = 40;
    m.ViewPanX = 10;
    m.ViewPanY = 20;
    Click(form->Preset[0]);
    EXPECT_FALSE(form->Preset[0]->isEnabled());
    Click(form->Preset[3]);
    EXPECT_TRUE(form->Preset[0]->isEnabled());
    Click(form->NormVHZ);
    EXPECT_EQ(m.ViewScale, 28);
    EXPECT_EQ(m.ViewPanX, 115);
    EXPECT_EQ(m.ViewPanY, 270);
    EXPECT_EQ(m.SavedZoom, 40);
    Click(form->Preset[3]);
    EXPECT_EQ(m.ViewScale, 40);
    EXPECT_EQ(m.ViewPanX, 10);
    EXPECT_EQ(m.ViewPanY, 20);
    Click(form->Preset[5]);
    EXPECT_EQ(m.ViewScale, 350);
    EXPECT_EQ(m.ViewPanX, -5100);
}

TEST_F(MainFormTest, ReferencePointsMoveZeroAndCentre)
{
    form->RefPoints->trigger();
    EXPECT_TRUE(m.RefPointsOn);
    EXPECT_TRUE(form->SBRef1Horz->isVisible());
    EXPECT_TRUE(form->RefPt1->isEnabled());
    EXPECT_TRUE(form->DrawLines1->isEnabled());
    form->SBRef1Horz->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_NEAR(m.Pivots[RefPoint1].x, 0.025, 1e-6);
    EXPECT_TRUE(form->RefPt1Zero->isEnabled());
    Click(form->RefPt1Zero);
    EXPECT_EQ(m.Pivots[RefPoint1].x, 0);
    EXPECT_FALSE(form->RefPt1Zero->isEnabled());

    Click(form->RefPt1);  // reference point at the origin
    EXPECT_EQ(ScreenX(m, 0), 302);
    EXPECT_EQ(ScreenY(m, 0), 242);
    EXPECT_EQ(form->SBPanHorz->value(), 0);
    Click(form->NormVHZ);
    EXPECT_EQ(m.ViewPanX, 115);

    form->RefPoints->trigger();
    EXPECT_FALSE(form->SBRef1Horz->isVisible());
    EXPECT_FALSE(form->DrawLines1->isEnabled());
}

TEST_F(MainFormTest, ScreenDataOffHidesTheStripAndOffersPanZoom)
{
    form->SetScreenData->trigger();
    EXPECT_FALSE(m.ScreenDataOn);
    EXPECT_EQ(form->SetScreenData->text(), "SetScree&nData On");
    EXPECT_FALSE(form->Run->isVisible());
    EXPECT_FALSE(form->SBRevArm->isVisible());
    EXPECT_FALSE(form->ToolBar1->isVisible());
    EXPECT_FALSE(form->Panel[1]->isVisible());
    EXPECT_FALSE(form->DriverAng->isEnabled());
    EXPECT_TRUE(form->SetPanZoom->isEnabled());
    form->SetPanZoom->trigger();
    EXPECT_TRUE(form->SBZoom->isVisible());
    EXPECT_EQ(form->SetPanZoom->text(), "SetP&anZoom Off");
    form->SetPanZoom->trigger();
    EXPECT_FALSE(form->SBZoom->isVisible());

    form->SetScreenData->trigger();
    EXPECT_TRUE(form->Run->isVisible());
    EXPECT_TRUE(form->Panel[9]->isVisible());
    EXPECT_FALSE(form->Panel[5]->isVisible());
    EXPECT_FALSE(form->RefPt1Zero->isVisible());
    EXPECT_FALSE(form->SetPanZoom->isEnabled());
}
