// Windows change the model only through the session, and show only what it holds.
#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

#include "model/tick/AnimationTick.h"
#include "RecordingSound.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/dimensions/FrameDimensionsDialog.h"
#include "ui/main/DriverAngleDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ReverseArmDialog.h"
#include "ui/main/StepAngleDialog.h"
#include "ui/session/Session.h"

using namespace zeph;

namespace {

class SessionSeamTest : public test::MainWindowTestBase {
protected:
    // Types a number into a stand-alone dialog (no main window behind it) and presses "OK".
    static void Confirm(QDialog& dialog, const QString& text)
    {
        dialog.show();
        Box(dialog)->setText(text);
        QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
    }
};

}  // namespace

// A dialog knows nothing of the main window: what it sets reaches the main window's controls
// through the session alone.
TEST_F(SessionSeamTest, DialogsWithoutAMainWindowStillMoveItsControls)
{
    ReverseArmDialog gear(*session, nullptr);
    Confirm(gear, "4.269");
    EXPECT_EQ(W<QScrollBar>("reverseArmBar")->value(), 500);
    EXPECT_TRUE(W<QPushButton>("centre")->isEnabled());

    StepAngleDialog step(*session, nullptr);
    Confirm(step, "2");
    EXPECT_EQ(W<QScrollBar>("stepAngleBar")->value(), 9204);
    EXPECT_TRUE(W<QPushButton>("step1")->isEnabled());
    EXPECT_EQ(W<QPushButton>("run")->text(), "Stop");

    DriverAngleDialog angle(*session, nullptr);
    Confirm(angle, "45");
    EXPECT_EQ(W<QPushButton>("run")->text(), "Run");
    EXPECT_EQ(W<QScrollBar>("driverAngleBar")->value(), 4500);
    EXPECT_TRUE(W<QScrollBar>("driverAngleBar")->isEnabled());

    FrameDimensionsDialog frame(*session, nullptr);
    frame.show();
    test::Child<QLineEdit>(frame, "box27")->setText("2");
    frame.LeaveBox(27);
    EXPECT_EQ(W<QScrollBar>("reverseArmBar")->maximum(), 2000);
}

// Every control of the strip acts through the session: each press or move is a session change.
TEST_F(SessionSeamTest, EveryStripControlGoesThroughTheSession)
{
    QSignalSpy spy(session.get(), &Session::changed);
    const char* buttons[] = {"forward", "reverse", "centre", "halfTurn", "zero", "step1", "step45", "step10",
                             "run",     "preset0", "preset2", "norm"};
    for (const char* name : buttons) {
        const qsizetype before = spy.count();
        QPushButton* b = W<QPushButton>(name);
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_GT(spy.count(), before) << name;
    }
    const char* bars[] = {"reverseArmBar", "stepAngleBar", "panVerticalBar", "panHorizontalBar", "zoomBar"};
    for (const char* name : bars) {
        const qsizetype before = spy.count();
        W<QScrollBar>(name)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_GT(spy.count(), before) << name;
    }
}

// The controls show the session's state whoever changed it: nothing is kept in a caption.
TEST_F(SessionSeamTest, ControlsFollowTheSessionWhicheverWindowChangedIt)
{
    session->Run().ToggleRun();
    EXPECT_EQ(W<QPushButton>("run")->text(), "Run");
    session->Display().Toggle(DisplayOption::SteamDisplay);
    EXPECT_EQ(W<QAction>("steamDisplay")->text(), "SetS&teamDisp Off");
    session->Display().Toggle(DisplayOption::LargeFont);
    EXPECT_EQ(W<QAction>("largeFont")->text(), "SetSmall&Font");
    session->Gear().NormalForward();
    EXPECT_FALSE(W<QPushButton>("forward")->isEnabled());
    // A caption changed behind the session's back decides nothing.
    W<QPushButton>("run")->setText("Stop");
    QTest::mouseClick(W<QPushButton>("run"), Qt::LeftButton);
    EXPECT_TRUE(session->controls().running);
    EXPECT_EQ(W<QPushButton>("run")->text(), "Stop");
}

// The window's tick is the model's tick and nothing more: the same ticks on a bare model end in
// the same state.
TEST_F(SessionSeamTest, TheWindowsTickIsTheModelsTick)
{
    MechanismModel bare;
    bare.StartUp();
    session->Gear().NormalForward();
    bare.RevArmPosition = m.RevArmPosition;
    for (int i = 0; i < 100; ++i) {
        window->Tick();
        SimulateTick(bare);
    }
    EXPECT_EQ(m.DriverAngle, bare.DriverAngle);
    EXPECT_EQ(std::memcmp(&m.Pivots, &bare.Pivots, sizeof m.Pivots), 0);
    EXPECT_EQ(m.FrontCutoffText, bare.FrontCutoffText);
    EXPECT_EQ(m.RearCutoffText, bare.RearCutoffText);
    EXPECT_EQ(m.Cutoff.FrontTicks, bare.Cutoff.FrontTicks);
}
