// The reverse-arm, driver-angle, step-angle and reference-point dialogs, typed into as a user would.
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include <QLabel>

#include "RecordingSound.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/main/DriverAngleDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ReferencePointsDialog.h"
#include "ui/main/ReverseArmDialog.h"
#include "ui/main/StepAngleDialog.h"
#include "ui/session/Session.h"

using namespace zeph;

namespace {

class SetupDialogsTest : public test::MainWindowTestBase {
protected:
    static QString Label(const QDialog& d, const char* name) { return test::Child<QLabel>(d, name)->text(); }
};

}  // namespace

TEST_F(SetupDialogsTest, ReverseArmDialogShowsLimitsAndFiltersKeys)
{
    ReverseArmDialog dialog(*session, window.get());
    dialog.show();
    EXPECT_EQ(Label(dialog, "normalReverse"), "Rev = 2.729");
    EXPECT_EQ(Label(dialog, "centre"), "Cen = 3.769");
    EXPECT_EQ(Label(dialog, "normalForward"), "Fwd = 4.809");
    EXPECT_EQ(Label(dialog, "minimum"), "Min = 2.469");
    EXPECT_EQ(Label(dialog, "maximum"), "Max = 5.069");
    EXPECT_EQ(Box(dialog)->text(), "  3.769");
    EXPECT_EQ(dialog.focusWidget(), Press(dialog, "cancel"));

    Type(Box(dialog), "--4..5a+");
    EXPECT_EQ(Box(dialog)->text(), "-4.5");
}

TEST_F(SetupDialogsTest, ReverseArmBeyondTheMaximumGoesToTheEndOfTheBar)
{
    ReverseArmDialog dialog(*session, window.get());
    dialog.show();
    Type(Box(dialog), "9");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.RevArmPosition, m.RevArmCentre + 1.3f);
    EXPECT_EQ(Bar("reverseArmBar")->value(), 1300);
    EXPECT_EQ(m.Direction, RunDirection::Forward);

    dialog.show();
    Type(Box(dialog), "3");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_EQ(Bar("reverseArmBar")->value(), -769);
    EXPECT_EQ(m.Direction, RunDirection::Reverse);
}

TEST_F(SetupDialogsTest, IncompleteNumbersKeepThePreviousValue)
{
    ReverseArmDialog dialog(*session, window.get());
    dialog.show();
    const float before = m.RevArmPosition;
    Type(Box(dialog), "-");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.RevArmPosition, before);
    EXPECT_FALSE(std::isnan(m.RevArmPosition));
}

TEST_F(SetupDialogsTest, DriverAngleDialogStopsTheDriverAndClamps)
{
    DriverAngleDialog dialog(*session, window.get());
    dialog.show();
    EXPECT_EQ(Box(dialog)->text(), "0.00");  // running
    Type(Box(dialog), "-400");
    EXPECT_EQ(Box(dialog)->text(), "400");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_EQ(m.DriverAngle, 360);
    EXPECT_EQ(m.StepAngle, 0);
    EXPECT_EQ(Button("run")->text(), "Run");
    EXPECT_EQ(Bar("driverAngleBar")->value(), 36000);
    EXPECT_TRUE(Bar("driverAngleBar")->isEnabled());

    dialog.show();
    EXPECT_EQ(Box(dialog)->text(), "360.00");
    Type(Box(dialog), "90.5");
    QTest::keyClick(Box(dialog), Qt::Key_Return);  // the default button
    EXPECT_FLOAT_EQ(m.DriverAngle, 90.5f);
}

TEST_F(SetupDialogsTest, StepDialogSetsAnUnsnappedStepThatStays)
{
    StepAngleDialog dialog(*session, window.get());
    dialog.show();
    EXPECT_EQ(Box(dialog)->text(), "10.00");
    Type(Box(dialog), "12.5");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 12.5f);
    EXPECT_FLOAT_EQ(m.StepAngle, 12.5f);
    EXPECT_EQ(Button("run")->text(), "Stop");
    EXPECT_EQ(Bar("stepAngleBar")->value(), 12388);
    EXPECT_EQ(Bar("driverAngleBar")->singleStep(), 1250);
    EXPECT_EQ(Bar("driverAngleBar")->pageStep(), 6250);
    EXPECT_TRUE(Button("step10")->isEnabled());
    const float before = m.DriverAngle;
    window->Tick();
    EXPECT_FLOAT_EQ(m.DriverAngle, before + 12.5f);
    EXPECT_FALSE(session->controls().skipStepSnap);
}

TEST_F(SetupDialogsTest, StepDialogClampsAndKeepsAStoppedDriverStopped)
{
    session->Run().ToggleRun();  // stop
    StepAngleDialog dialog(*session, window.get());
    dialog.show();
    EXPECT_EQ(Box(dialog)->text(), "0.00");
    Type(Box(dialog), "0");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 0.01f);
    EXPECT_EQ(m.StepAngle, 0);
    EXPECT_EQ(Button("run")->text(), "Run");
    EXPECT_EQ(Bar("stepAngleBar")->value(), 0);

    dialog.show();
    Type(Box(dialog), "99");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 45);
    EXPECT_EQ(Bar("stepAngleBar")->value(), 14613);
    EXPECT_FALSE(Button("step45")->isEnabled());
}

TEST_F(SetupDialogsTest, StepDialogLeavesNoArmedSkipWhenTheBarDoesNotMove)
{
    StepAngleDialog dialog(*session, window.get());
    dialog.show();
    Type(Box(dialog), "10");  // the bar already sits at 12000
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FALSE(session->controls().skipStepSnap);
    Bar("stepAngleBar")->setValue(8000);
    EXPECT_FLOAT_EQ(m.ChosenStepAngle, 1);  // the next bar move snaps as usual
}

TEST_F(SetupDialogsTest, ReferencePointDialogTypesZeroesAndSwitches)
{
    ReferencePointsDialog dialog(*session, window.get());
    dialog.show();
    EXPECT_EQ(Box(dialog, "v1")->text(), "0.000");
    Type(Box(dialog, "v1"), "1.5");
    Type(Box(dialog, "h1"), "--2.25");  // "-" may be repeated here; such text keeps the old value
    Type(Box(dialog, "h2"), "3");
    QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].y, 1.5f);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].x, 0);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint2].x, 3);
    EXPECT_TRUE(m.RefPointsOn);
    EXPECT_TRUE(Button("refZero1")->isEnabled());
    EXPECT_TRUE(Button("refZero2")->isEnabled());

    dialog.show();
    QTest::mouseClick(Press(dialog, "zero"), Qt::LeftButton);
    EXPECT_EQ(m.Pivots[RefPoint1].y, 0);
    EXPECT_EQ(m.Pivots[RefPoint2].x, 0);
    EXPECT_FALSE(Button("refZero1")->isEnabled());
    EXPECT_FALSE(m.RefPointsOn);
}
