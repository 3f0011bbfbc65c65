// The dynamic-variable bars of the main window: a click steps the dimension, a finished scroll is one undo level.
#include <QAction>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "RecordingSound.h"
#include "UiTestSupport.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"
#include "ui/widgets/DynVarBars.h"

using namespace zeph;

// ---- the dynamic-variable bars on the main window -----------------------------------------

TEST(MainWindowDynVars, ArrowClickStepsTheDimensionAndEndOfScrollRecordsUndo)
{
    MechanismModel m;
    RecordingSound sound;
    Session session(m, sound);
    MainWindow window(session);
    test::Child<QTimer>(window, "tickTimer")->stop();
    window.show();
    test::Child<QAction>(window, "dynamicVariables")->trigger();
    QScrollBar* bar = test::Child<QScrollBar>(window, "dynVarBar1");
    QPushButton* undo = test::Child<QPushButton>(window, "undo");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isEnabled());  // no dimension chosen yet
    session.Dimensions().LeaveDimensionBox(2, 3.0f);  // Stroke chosen in the frame dialog
    EXPECT_TRUE(bar->isEnabled());
    DynVarBars* bars = window.findChild<DynVarBars*>();
    ASSERT_NE(bars, nullptr);

    // A click on the right arrow: one step, and one undo level when the button comes up.
    const QPoint rightArrow(bar->width() - 3, bar->height() / 2);
    const QPoint leftTrough(bar->width() / 2 - 30, bar->height() / 2);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, rightArrow);
    EXPECT_EQ(m.Frame.Stroke, static_cast<float>(Real(3.0f) + Real(0.001f)));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(m.Undo.Depth(), 1);
    EXPECT_EQ(test::NewestChange(m).code, 2);
    EXPECT_EQ(test::NewestChange(m).oldValue, 3.0f);
    EXPECT_EQ(test::NewestChange(m).newValue, m.Frame.Stroke);
    EXPECT_EQ(test::NewestChange(m).name, "Stroke");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(session.Dimensions().DimensionTyped());

    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, leftTrough);  // a page step down
    EXPECT_NEAR(m.Frame.Stroke, 2.991, 1e-6);
    EXPECT_EQ(m.Undo.Depth(), 2);

    QTest::mouseClick(undo, Qt::LeftButton);
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_FALSE(undo->isEnabled());
}
