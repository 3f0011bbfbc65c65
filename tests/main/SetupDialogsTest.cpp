// The reverse-arm, driver-angle, step-angle and reference-point dialogs, typed into as a user would.
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "main/DrvAng.h"
#include "main/MainForm.h"
#include "main/RefPoint.h"
#include "main/ReverPos.h"
#include "main/StepAngle.h"
#include "platform/Sound.h"
#include "QStringPrinter.h"

using namespace zeph;

namespace {

class SetupDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>(m, sound);
        form->Timer1->stop();
        form->show();
    }

    // Replaces the box's text by typing, so that the key filter sees every key.
    static void Type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }

    MechanismModel m;
    RecordingSound sound;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(SetupDialogsTest, ReverseArmDialogShowsLimitsAndFiltersKeys)
{
    TRevPos dialog(m, *form);
    dialog.show();
    EXPECT_EQ(dialog.LabelRev->text(), "Rev = 2.729");
    EXPECT_EQ(dialog.LabelCen->text(), "Cen = 3.769");
    EXPECT_EQ(dialog.LabelFwd->text(), "Fwd = 4.809");
    EXPECT_EQ(dialog.LabelMin->text(), "Min = 2.469");
    EXPECT_EQ(dialog.LabelMax->text(), "Max = 5.069");
    EXPECT_EQ(dialog.Edit1->text(), "  3.769");
    EXPECT_EQ(dialog.focusWidget(), dialog.CancelBtn);

    Type(dialog.Edit1, "--4..5a+");
    EXPECT_EQ(dialog.Edit1->text(), "-4.5");
}

TEST_F(SetupDialogsTest, ReverseArmBeyondTheMaximumGoesToTheEndOfTheBar)
{
    TRevPos dialog(m, *form);
    dialog.show();
    Type(dialog.Edit1, "9");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.RevArmPosition, m.RevArmCentre + 1.3f);
    EXPECT_EQ(form->SBRevArm->value(), 1300);
    EXPECT_EQ(m.RunDirection, "Fwd");

    dialog.show();
    Type(dialog.Edit1, "3");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_EQ(form->SBRevArm->value(), -769);
    EXPECT_EQ(m.RunDirection, "Rev");
}

TEST_F(SetupDialogsTest, IncompleteNumbersKeepThePreviousValue)
{
    TRevPos dialog(m, *form);
    dialog.show();
    const float before = m.RevArmPosition;
    Type(dialog.Edit1, "-");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.RevArmPosition, before);
    EXPECT_FALSE(std::isnan(m.RevArmPosition));
}

TEST_F(SetupDialogsTest, DriverAngleDialogStopsTheDriverAndClamps)
{
    TDrivAng dialog(m, *form);
    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), "0.00");  // running
    Type(dialog.Edit1, "-400");
    EXPECT_EQ(dialog.Edit1->text(), "400");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_EQ(m.DriverAngle, 360);
    EXPECT_EQ(m.StepAngle, 0);
    EXPECT_EQ(form->Run->text(), "Run");
    EXPECT_EQ(form->SBDrvAng->value(), 36000);
    EXPECT_TRUE(form->SBDrvAng->isEnabled());

    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), "360.00");
    Type(dialog.Edit1, "90.5");
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);  // the default button
    EXPECT_FLOAT_EQ(m.DriverAngle, 90.5f);
}

TEST_F(SetupDialogsTest, StepDialogSetsAnUnsnappedStepThatStays)
{
    TStpAng dialog(m, *form);
    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), "10.00");
    Type(dialog.Edit1, "12.5");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 12.5f);
    EXPECT_FLOAT_EQ(m.StepAngle, 12.5f);
    EXPECT_EQ(form->Run->text(), "Stop");
    EXPECT_EQ(form->SBStepAng->value(), 12388);
    EXPECT_EQ(form->SBDrvAng->singleStep(), 1250);
    EXPECT_EQ(form->SBDrvAng->pageStep(), 6250);
    EXPECT_TRUE(form->Step10->isEnabled());
    const float before = m.DriverAngle;
    form->Timer1Timer();
    EXPECT_FLOAT_EQ(m.DriverAngle, before + 12.5f);
    EXPECT_FALSE(form->SkipStepSnap);
}

TEST_F(SetupDialogsTest, StepDialogClampsAndKeepsAStoppedDriverStopped)
{
    form->RunClick();  // stop
    TStpAng dialog(m, *form);
    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), "0.00");
    Type(dialog.Edit1, "0");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 0.01f);
    EXPECT_EQ(m.StepAngle, 0);
    EXPECT_EQ(form->Run->text(), "Run");
    EXPECT_EQ(form->SBStepAng->value(), 0);

    dialog.show();
    Type(dialog.Edit1, "99");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 45);
    EXPECT_EQ(form->SBStepAng->value(), 14613);
    EXPECT_FALSE(form->Step45->isEnabled());
}

TEST_F(SetupDialogsTest, StepDialogLeavesNoArmedSkipWhenTheBarDoesNotMove)
{
    TStpAng dialog(m, *form);
    dialog.show();
    Type(dialog.Edit1, "10");  // the bar already sits at 12000
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FALSE(form->SkipStepSnap);
    form->SBStepAng->setValue(8000);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 1);  // the next bar move snaps as usual
}

TEST_F(SetupDialogsTest, ReferencePointDialogTypesZeroesAndSwitches)
{
    TRefPnts dialog(m, *form);
    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), "0.000");
    Type(dialog.Edit1, "1.5");
    Type(dialog.Edit2, "--2.25");  // "-" may be repeated here; such text keeps the old value
    Type(dialog.Edit4, "3");
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].y, 1.5f);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].x, 0);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint2].x, 3);
    EXPECT_TRUE(m.RefPointsOn);
    EXPECT_TRUE(form->RefPt1Zero->isEnabled());
    EXPECT_TRUE(form->RefPt2Zero->isEnabled());

    dialog.show();
    QTest::mouseClick(dialog.ZeroBtn, Qt::LeftButton);
    EXPECT_EQ(m.Pivots[RefPoint1].y, 0);
    EXPECT_EQ(m.Pivots[RefPoint2].x, 0);
    EXPECT_FALSE(form->RefPt1Zero->isEnabled());
    EXPECT_FALSE(m.RefPointsOn);
}
