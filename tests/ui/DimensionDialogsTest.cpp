// The frame, cylinder and pointer-zoom dialogs, typed into and clicked as a user would.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>

#include "RecordingSound.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/dimensions/CylinderDimensionsDialog.h"
#include "ui/dimensions/FrameDimensionsDialog.h"
#include "ui/dimensions/GraphicZoomDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"

using namespace zeph;

namespace {

class DimensionDialogTest : public test::MainWindowTestBase {
protected:
    using MainWindowTestBase::Box;
    static QLineEdit* Box(const QDialog& d, int row) { return test::Child<QLineEdit>(d, QString("box%1").arg(row)); }
    static QPushButton* Pointer(const QDialog& d, int row)
    {
        return test::Child<QPushButton>(d, QString("pointer%1").arg(row));
    }

    // Shows the dialog as the active window, so that focus changes reach its boxes.
    static void Open(QDialog& dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // Types into a row of an open dialog and leaves the box with Enter.
    static void Enter(DimensionDialog& dialog, int row, const QString& keys)
    {
        Type(Box(dialog, row), keys);
        QTest::keyClick(Box(dialog, row), Qt::Key_Return);
    }
};

using FrameDialogTest = DimensionDialogTest;
using CylDialogTest = DimensionDialogTest;
using GraphZoomDialogTest = DimensionDialogTest;

}  // namespace

TEST(DimensionBoxText, ThreeDecimalsCutToTenCharactersButNeverIntoTheWholeNumber)
{
    EXPECT_EQ(DimensionBoxText(7.0f), "7.000");
    EXPECT_EQ(DimensionBoxText(-0.25f), "-0.250");
    EXPECT_EQ(DimensionBoxText(11.1f), "11.100");
    EXPECT_EQ(DimensionBoxText(1000000.125f), "1000000.12");
    EXPECT_EQ(DimensionBoxText(-1000000.0f), "-1000000.0");
    EXPECT_EQ(DimensionBoxText(12345678848.0f), "12345678848");
}

TEST_F(FrameDialogTest, OpensWithEveryDimensionInItsBoxAndCloseFocused)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Frame Dimensions");
    EXPECT_EQ(dialog.size(), QSize(386, 230));
    EXPECT_EQ(Box(dialog, 1)->text(), "7.000");
    EXPECT_EQ(Box(dialog, 16)->text(), "0.000");
    EXPECT_EQ(Box(dialog, 27)->text(), "1.300");
    EXPECT_EQ(dialog.focusWidget(), Press(dialog, "close"));

    EXPECT_EQ(Box(dialog, 14)->geometry(), QRect(146, 169, 40, 13));
    EXPECT_EQ(Box(dialog, 15)->geometry(), QRect(342, 0, 40, 13));
    EXPECT_EQ(Box(dialog, 27)->geometry(), QRect(342, 156, 40, 13));
    EXPECT_EQ(Pointer(dialog, 27)->geometry(), QRect(194, 156, 8, 13));
    EXPECT_EQ(Press(dialog, "reset")->geometry(), QRect(288, 176, 89, 25));
    EXPECT_EQ(Press(dialog, "close")->geometry(), QRect(288, 200, 89, 25));
    EXPECT_NE(Box(dialog, 24)->palette().color(QPalette::Base), Box(dialog, 25)->palette().color(QPalette::Base));

    EXPECT_EQ(Box(dialog, 3)->nextInFocusChain(), Press(dialog, "close"));
    EXPECT_EQ(Press(dialog, "close")->nextInFocusChain(), Press(dialog, "reset"));
    EXPECT_EQ(Press(dialog, "reset")->nextInFocusChain(), Box(dialog, 4));
    EXPECT_EQ(Box(dialog, 27)->nextInFocusChain(), Pointer(dialog, 1));
}

TEST_F(FrameDialogTest, LargeFontSpacingScalesLabelsAndGrowsTheWindow)
{
    session->Display().Toggle(DisplayOption::LargeFont);
    FrameDimensionsDialog dialog(*session, window.get());
    dialog.show();
    EXPECT_EQ(dialog.LabelPosition(27), QPoint(297, 190));
    EXPECT_EQ(dialog.LabelPosition(15), QPoint(259, 0));
    EXPECT_EQ(dialog.size(), QSize(490, 281));
    EXPECT_EQ(Box(dialog, 27)->geometry().topLeft(), QPoint(434, 190));
}

TEST_F(FrameDialogTest, LeavingABoxWithoutTypingChoosesItsDimension)
{
    m.Frame.EccCrankLen = 1.7777f;
    FrameDimensionsDialog dialog(*session, window.get());
    dialog.show();
    dialog.LeaveBox(5);
    EXPECT_EQ(m.DynVarSlots[1].code, 5u);
    EXPECT_EQ(m.DynVarSlots[1].name, "Ecc Crank Length");
    EXPECT_EQ(m.Undo.Depth(), 0);
    EXPECT_FLOAT_EQ(m.Frame.EccCrankLen, 1.778f);  // rounded to the decimals shown
    EXPECT_FLOAT_EQ(m.DynVarSlots[1].value, 1.778f);
}

TEST_F(FrameDialogTest, TypingAndEnterRecordsOneUndoLevelAndFocusesClose)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Enter(dialog, 2, "3.5");
    EXPECT_EQ(dialog.focusWidget(), Press(dialog, "close"));
    EXPECT_EQ(m.Undo.Depth(), 1);
    EXPECT_EQ(test::NewestChange(m).code, 2);
    EXPECT_FLOAT_EQ(test::NewestChange(m).oldValue, 3.0f);
    EXPECT_FLOAT_EQ(test::NewestChange(m).newValue, 3.5f);
    EXPECT_EQ(test::NewestChange(m).name, "Stroke");
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3.5f);
    EXPECT_FALSE(session->Dimensions().DimensionTyped());
    EXPECT_TRUE(Button("undo")->isEnabled());

    QTest::keyClick(Press(dialog, "close"), Qt::Key_Return);  // the second Enter closes
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(FrameDialogTest, EnterWithoutTypingStillRecordsALevel)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Box(dialog, 9)->setFocus();
    QTest::keyClick(Box(dialog, 9), Qt::Key_Return);
    EXPECT_EQ(m.Undo.Depth(), 1);
    EXPECT_EQ(test::NewestChange(m).code, 9);
    EXPECT_EQ(test::NewestChange(m).oldValue, test::NewestChange(m).newValue);
}

TEST_F(FrameDialogTest, KeysThatPassTheFirstTestCountAsTyping)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Box(dialog, 4)->setFocus();
    QTest::keyClicks(Box(dialog, 4), "a+");
    EXPECT_FALSE(session->Dimensions().DimensionTyped());
    QTest::keyClick(Box(dialog, 4), Qt::Key_Period);  // a second point: dropped, but typed
    EXPECT_TRUE(session->Dimensions().DimensionTyped());
    EXPECT_EQ(Box(dialog, 4)->text(), "2.000");

    session->Dimensions().LeaveDimensionBox(4, 2.0f);  // leaving the box ends the typing
    QTest::keyClick(Box(dialog, 4), Qt::Key_Home);
    QTest::keyClick(Box(dialog, 4), Qt::Key_Delete);  // changes the text without the filter
    EXPECT_EQ(Box(dialog, 4)->text(), ".000");
    EXPECT_TRUE(session->Dimensions().DimensionTyped());

    session->Dimensions().LeaveDimensionBox(4, 2.0f);  // leaving the box ends the typing
    Box(dialog, 25)->setFocus();
    QTest::keyClicks(Box(dialog, 25), "12");  // white rows never record undo
    EXPECT_FALSE(session->Dimensions().DimensionTyped());
}

TEST_F(FrameDialogTest, CloseRecomputesMidGearAndCentresTheReverseArm)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Bar("reverseArmBar")->setValue(500);
    m.FrontCutoffText = "25%";
    const float centre = m.RevArmCentre;
    Type(Box(dialog, 21), "0.5");
    QTest::mouseClick(Press(dialog, "close"), Qt::LeftButton);  // leaving the box runs first
    EXPECT_FLOAT_EQ(m.Frame.RevArmUpper, 0.5f);
    EXPECT_NE(m.RevArmCentre, centre);
    EXPECT_EQ(Bar("reverseArmBar")->value(), 0);
    EXPECT_FLOAT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_TRUE(m.FrontCutoffText.empty());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FrameDialogTest, EscapeLeavesLikeClose)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    const float centre = m.RevArmCentre;
    Type(Box(dialog, 22), "1.5");
    QTest::keyClick(Box(dialog, 22), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FLOAT_EQ(m.Frame.RevArmLower, 1.5f);
    EXPECT_EQ(test::NewestChange(m).code, 22);
    EXPECT_NE(m.RevArmCentre, centre);
}

TEST_F(FrameDialogTest, RecentlyLeftDimensionsFillTheFourSlots)
{
    FrameDimensionsDialog dialog(*session, window.get());
    dialog.show();
    for (int row = 1; row <= 5; ++row) dialog.LeaveBox(row);
    for (uint32_t s = 1; s <= 4; ++s) EXPECT_EQ(m.DynVarSlots[s].code, 6 - s);

    Box(dialog, 3)->setText("12");
    dialog.LeaveBox(3);
    EXPECT_EQ(m.DynVarSlots[3].code, 3u);
    EXPECT_FLOAT_EQ(m.DynVarSlots[3].value, 12.0f);
    EXPECT_EQ(m.DynVarSlots[1].code, 5u);
}

TEST_F(FrameDialogTest, BoxTextsThatAreNoNumberKeepOrClearTheValue)
{
    FrameDimensionsDialog dialog(*session, window.get());
    dialog.show();
    for (const char* text : {"12-", "-"}) {
        Box(dialog, 1)->setText(text);
        dialog.LeaveBox(1);
        EXPECT_FLOAT_EQ(m.Frame.DriverDia, 7.0f) << text;
    }
    Box(dialog, 1)->setText(".");
    dialog.LeaveBox(1);
    EXPECT_EQ(m.Frame.DriverDia, 0.0f);

    m.Frame.DriverDia = 1000000.125f;  // the text loses its last decimal
    dialog.Refresh();
    dialog.LeaveBox(1);
    EXPECT_FLOAT_EQ(m.Frame.DriverDia, 1000000.12f);
}

TEST_F(FrameDialogTest, PivotRowsKeepTheirCopies)
{
    FrameDimensionsDialog dialog(*session, window.get());
    dialog.show();
    const int rows[] = {13, 14, 23, 24};
    for (int row : rows) {
        Box(dialog, row)->setText(QString::number(row / 4.0));
        dialog.LeaveBox(row);
    }
    EXPECT_FLOAT_EQ(m.Pivots[BellCrankPivot].y, 3.25f);
    EXPECT_FLOAT_EQ(m.Pivots[BellCrankPivot].x, 3.5f);
    EXPECT_FLOAT_EQ(m.Pivots[RevArmPivot].y, 5.75f);
    EXPECT_FLOAT_EQ(m.Pivots[RevArmPivot].x, 6.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].x, m.Pivots[BellCrankPivot].x);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, m.Pivots[BellCrankPivot].y);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].x, m.Pivots[RevArmPivot].x);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].y, m.Pivots[RevArmPivot].y);
}

TEST_F(FrameDialogTest, NormalAndMaximumReverseArmLimitEachOther)
{
    FrameDimensionsDialog dialog(*session, window.get());
    dialog.show();
    const float c = m.DiagramRevArmPos[0];
    m.DiagramRevArmPos[4] = c + 5;
    m.DiagramRevArmPos[5] = 0;
    m.DiagramRevArmPos[6] = c - 5;

    Box(dialog, 26)->setText("0.9");
    dialog.LeaveBox(26);
    EXPECT_FLOAT_EQ(m.Frame.RevArmNorm, 0.9f);
    EXPECT_FLOAT_EQ(m.DiagramRevArmPos[4], c + 5);  // within the maximum: untouched

    Box(dialog, 26)->setText("2.0");
    dialog.LeaveBox(26);
    EXPECT_FLOAT_EQ(m.Frame.RevArmNorm, 1.3f);
    EXPECT_FLOAT_EQ(m.DiagramRevArmPos[4], c + 1.3f);
    EXPECT_EQ(m.DiagramRevArmPos[5], 0.0f);
    EXPECT_FLOAT_EQ(m.DiagramRevArmPos[6], c - 1.3f);
    EXPECT_EQ(m.DynVarSlots[1].code, 0u);  // white rows are no dynamic variables
    EXPECT_EQ(m.Undo.Depth(), 0);

    m.Frame.RevArmNorm = 1.04f;
    Box(dialog, 27)->setText("0.5");
    dialog.LeaveBox(27);
    EXPECT_FLOAT_EQ(m.Frame.RevArmMax, 1.04f);
    EXPECT_EQ(Bar("reverseArmBar")->minimum(), -1040);
    EXPECT_EQ(Bar("reverseArmBar")->maximum(), 1040);
}

TEST_F(FrameDialogTest, ResetPressKeepsTheUndoStoreAndTheClickEmptiesIt)
{
    FrameDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Enter(dialog, 27, "2");
    Enter(dialog, 1, "8");
    ASSERT_EQ(m.Undo.Depth(), 1);
    ASSERT_EQ(Bar("reverseArmBar")->maximum(), 2000);

    QTest::mousePress(Press(dialog, "reset"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.Frame.DriverDia, 7.0f);
    EXPECT_EQ(Box(dialog, 1)->text(), "7.000");
    EXPECT_EQ(Bar("reverseArmBar")->maximum(), 1300);
    EXPECT_EQ(Bar("reverseArmBar")->minimum(), -1300);
    EXPECT_EQ(m.DynVarSlots[1].code, 0u);
    EXPECT_EQ(m.DynVarSlots[1].name, EmptySlotName());
    EXPECT_EQ(m.Undo.Depth(), 1);

    QTest::mouseRelease(Press(dialog, "reset"), Qt::LeftButton);
    EXPECT_EQ(m.Undo.Depth(), 0);
    EXPECT_EQ(test::NewestChange(m).code, 0);
    EXPECT_FALSE(Button("undo")->isEnabled());
}

TEST_F(FrameDialogTest, ResetWorksWhileHiddenAndSmallButtonsNameTheirRow)
{
    FrameDimensionsDialog dialog(*session, window.get());
    m.Frame.Stroke = 9;
    dialog.ResetClick();
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(Box(dialog, 2)->text(), "3.000");

    dialog.show();
    QTest::mouseClick(Pointer(dialog, 25), Qt::LeftButton);
    EXPECT_EQ(m.GraphicDimCode, 25);
}

TEST_F(CylDialogTest, LayoutAndTabOrder)
{
    CylinderDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Cylinder Dimensions");
    EXPECT_EQ(dialog.size(), QSize(386, 230));
    EXPECT_EQ(Box(dialog, 6)->geometry(), QRect(146, 78, 40, 13));
    EXPECT_EQ(Pointer(dialog, 6)->geometry(), QRect(0, 65, 8, 26));
    EXPECT_EQ(Box(dialog, 17)->geometry(), QRect(342, 117, 40, 13));
    EXPECT_EQ(Pointer(dialog, 17)->geometry(), QRect(194, 104, 8, 26));
    EXPECT_EQ(Press(dialog, "reset")->geometry(), QRect(288, 168, 89, 25));
    EXPECT_EQ(Press(dialog, "close")->geometry(), QRect(288, 192, 89, 25));
    EXPECT_EQ(dialog.focusWidget(), Press(dialog, "close"));
    EXPECT_EQ(Box(dialog, 17)->nextInFocusChain(), Press(dialog, "close"));
    EXPECT_EQ(Press(dialog, "reset")->nextInFocusChain(), Pointer(dialog, 1));
}

TEST_F(CylDialogTest, CylinderAndValveOffsetMoveTheValveCentreLineAtOnce)
{
    CylinderDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Enter(dialog, 2, "0.5");
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 2.75f);
    EXPECT_EQ(test::NewestChange(m).code, 102);
    EXPECT_EQ(test::NewestChange(m).name, "Cyl CL above Driver ctr");
    Enter(dialog, 8, "1");
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 1.5f);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(CylDialogTest, EveryRowIsADynamicVariable)
{
    CylinderDimensionsDialog dialog(*session, window.get());
    dialog.show();
    dialog.LeaveBox(17);
    EXPECT_EQ(m.DynVarSlots[1].code, 117u);
    EXPECT_EQ(m.DynVarSlots[1].name, "Valve ctr to Joint (Stem)");
    EXPECT_FLOAT_EQ(m.DynVarSlots[1].value, 3.176f);
    dialog.LeaveBox(16);
    EXPECT_EQ(m.DynVarSlots[1].name, "Valve End Width  Front");

    QTest::mouseClick(Pointer(dialog, 3), Qt::LeftButton);
    EXPECT_EQ(m.GraphicDimCode, 103);
}

TEST_F(CylDialogTest, ResetRestoresEveryBoxAndEmptiesSlotsOfBothDialogs)
{
    FrameDimensionsDialog frame(*session, window.get());
    frame.LeaveBox(1);
    session->Dimensions().LeaveDimensionBox(27, 2.0f);  // the bar spans -2000..2000

    CylinderDimensionsDialog dialog(*session, window.get());
    Open(dialog);
    Enter(dialog, 1, "20");
    Enter(dialog, 3, "3");
    QTest::mousePress(Press(dialog, "reset"), Qt::LeftButton);
    EXPECT_EQ(m.Undo.Depth(), 2);
    QTest::mouseRelease(Press(dialog, "reset"), Qt::LeftButton);
    EXPECT_EQ(m.Undo.Depth(), 0);

    const char* expected[] = {"16.000", "0.000", "2.125", "4.000", "0.200", "6.000", "0.500", "2.250", "0.750",
                              "4.000", "1.155", "0.187", "0.187", "1.000", "0.342", "0.342", "3.176"};
    for (int row = 1; row <= CylDimCount; ++row) EXPECT_EQ(Box(dialog, row)->text(), expected[row - 1]) << row;
    for (const DynVarSlot& slot : m.DynVarSlots) EXPECT_EQ(slot.code, 0u);
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 2.25f);
    EXPECT_EQ(Bar("reverseArmBar")->maximum(), 2000);  // the cylinder reset leaves the bar alone
}

TEST_F(GraphZoomDialogTest, ZoomIsFilteredAndKeptWithinItsLimits)
{
    GraphicZoomDialog dialog(*session, window.get());
    Open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Set Zoom of Dimensional Graphic Position");
    EXPECT_EQ(dialog.size(), QSize(270, 68));
    EXPECT_EQ(Box(dialog)->text(), "7.50");
    Type(Box(dialog), "-1a2.5.");
    QTest::keyClick(Box(dialog), Qt::Key_Return);
    EXPECT_EQ(Box(dialog)->text(), "12.5");
    EXPECT_TRUE(dialog.isVisible());  // Enter is dropped

    const std::pair<const char*, float> cases[] = {{"0.3", 0.5f}, {"5000", 2000.0f}, {"12.5", 12.5f}, {".", 0.5f}};
    for (const auto& [text, zoom] : cases) {
        dialog.show();
        Box(dialog)->setText(text);
        QTest::mouseClick(Press(dialog, "ok"), Qt::LeftButton);
        EXPECT_FLOAT_EQ(m.GraphicPosZoom, zoom) << text;
    }

    dialog.show();
    Box(dialog)->setText("99");
    QTest::mouseClick(Press(dialog, "cancel"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m.GraphicPosZoom, 0.5f);
    EXPECT_FALSE(dialog.isVisible());
}
