// The "Draw Lines" dialog driven as a user would: choices, refusals, rows, boxes and their keys.
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "model/tick/AnimationTick.h"
#include "ui/overlay/LinesDialog.h"

using namespace zeph;

namespace {

class LinesDialogTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        dialog = std::make_unique<LinesDialog>(*session, window.get());
        Open();
    }

    // Shows the dialog as the active window, so that focus changes reach its boxes.
    void Open()
    {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QRadioButton* Radio(const char* name) { return test::Child<QRadioButton>(*dialog, name); }
    // A click on the radio button's indicator.
    void Choose(const char* name)
    {
        QRadioButton* r = Radio(name);
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
    }
    void Click(const char* name) { QTest::mouseClick(Press(*dialog, name), Qt::LeftButton); }
    QLineEdit* RowBox(int row, int box) { return Box(*dialog, QString("box%1_%2").arg(row).arg(box)); }
    QString Caption(const char* kind, int row)
    {
        return test::Child<QLabel>(*dialog, QString("%1%2").arg(kind).arg(row))->text();
    }
    QColor RowColour(int row)
    {
        return test::Child<QWidget>(*dialog, QString("row%1").arg(row))->palette().color(QPalette::Window);
    }
    // Leaves a box the way a user does: the focus goes to another box.
    void Leave(QLineEdit* box) { RowBox(20, 1) == box ? RowBox(19, 1)->setFocus() : RowBox(20, 1)->setFocus(); }

    std::unique_ptr<LinesDialog> dialog;
};

}  // namespace

TEST_F(LinesDialogTest, ShowsItsGroupsButtonsAndTwentyRowsWithTheCurrentOneInAqua)
{
    EXPECT_EQ(dialog->windowTitle(), "Draw Lines");
    EXPECT_EQ(Radio("typeCircle")->text(), "Circle");
    EXPECT_EQ(Radio("colourGray")->text(), "Gray");
    EXPECT_EQ(Radio("refPivot1Pivot2")->text(), "Piv1/Piv2");
    EXPECT_EQ(Press(*dialog, "drawClose")->text(), "Draw Close");
    EXPECT_EQ(Press(*dialog, "clearLine")->text(), "Clear Line");
    EXPECT_FALSE(Press(*dialog, "drawClose")->isEnabled());
    EXPECT_EQ(Caption("number", 1), "1  ");
    EXPECT_EQ(Caption("number", 20), "20");
    EXPECT_EQ(RowColour(1), QColor(0, 255, 255));
    EXPECT_EQ(RowColour(2), QColor(Qt::white));
}

TEST_F(LinesDialogTest, FixedLineIsPlacedByItsChoicesAndDrawClose)
{
    session->View().SetReferencePoints(1.5f, 2, -0.25f, 4);
    dialog->show();
    Choose("typeLine");
    EXPECT_EQ(Caption("type", 1), "Line");
    Choose("colourBlue");
    EXPECT_EQ(Caption("colour", 1), "Blue");
    EXPECT_FALSE(Press(*dialog, "drawClose")->isEnabled());
    Choose("refFixed");
    EXPECT_EQ(Caption("reference", 1), "0 , 0");
    EXPECT_TRUE(Press(*dialog, "drawClose")->isEnabled());
    Click("drawClose");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(RowBox(1, 1)->text(), "  1.500");
    EXPECT_EQ(RowBox(1, 2)->text(), "  2.000");
    EXPECT_EQ(RowBox(1, 3)->text(), " -0.250");
    EXPECT_EQ(RowBox(1, 4)->text(), "  4.000");
    EXPECT_EQ(m.Lines[1].colour, 16711680.0f);
    EXPECT_EQ(RowColour(2), QColor(0, 255, 255));
    EXPECT_EQ(RowColour(1), QColor(Qt::white));
    EXPECT_FALSE(Radio("typeLine")->isChecked());
    EXPECT_EQ(sound.beeps, 0);
}

TEST_F(LinesDialogTest, RefusedChoicesBeepAndUncheck)
{
    Choose("typeLine");  // both reference points at the origin
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(Radio("typeLine")->isChecked());

    session->View().SetReferencePoints(1, 1, 2, 2);
    dialog->show();
    Choose("colourRed");
    EXPECT_EQ(sound.beeps, 2);
    EXPECT_FALSE(Radio("colourRed")->isChecked());
    Choose("refPivot1");
    EXPECT_EQ(sound.beeps, 3);
    EXPECT_FALSE(Radio("refPivot1")->isChecked());
    EXPECT_TRUE(dialog->isVisible());

    Choose("typeCircle");
    Choose("colourRed");
    Choose("refPivot1Fixed");
    EXPECT_EQ(sound.beeps, 4);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Caption("type", 1), "");
    EXPECT_FALSE(Radio("typeCircle")->isChecked());
    EXPECT_FALSE(Press(*dialog, "drawClose")->isEnabled());
}

TEST_F(LinesDialogTest, PivotReferenceClosesForThePickAndComesBackOnTheSameRow)
{
    SolveAndMap(m);
    session->View().SetReferencePoints(m.Pivots[Crosshead].y, m.Pivots[Crosshead].x + 0.1f, 3, 3);
    m.CurrentLineSlot = 4;
    dialog->show();
    Choose("typeLine");
    Choose("colourGreen");
    Choose("refPivot1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(m.LinePromptOn);
    dialog->show();  // as the press on the pivot reopens it
    EXPECT_EQ(m.CurrentLineSlot, 4);
    EXPECT_EQ(RowColour(4), QColor(0, 255, 255));
    EXPECT_EQ(m.Lines[4].pivot1, float(Crosshead));
    Click("drawClose");
    EXPECT_EQ(RowBox(4, 2)->text(), "  0.100");
    EXPECT_FALSE(m.LinePromptOn);
    EXPECT_EQ(m.CurrentLineSlot, 5);
}

// Escape and the title bar's close box close as "Close" does: the number being typed is kept,
// the choices are cleared, and a later press on the picture no longer reopens the dialog.
TEST_F(LinesDialogTest, EveryWayOfClosingKeepsTheTypedNumberAndClearsTheChoices)
{
    session->View().ToggleReferencePoints();
    session->View().SetReferencePoints(1, 1, 2, 2);
    const std::function<void()> closes[] = {[this] { QTest::keyClick(RowBox(1, 1), Qt::Key_Escape); },
                                            [this] { dialog->close(); }};
    float typed = 2.5f;
    for (const auto& close : closes) {
        Open();
        Choose("typeLine");
        Choose("colourRed");
        Choose("refFixed");
        Type(RowBox(1, 1), QString::number(typed));
        close();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(m.Lines[1].y1, typed);
        EXPECT_FALSE(Radio("typeLine")->isChecked());
        const test::ModalAnswers reopened(test::CloseIt);
        session->Overlay().PicturePressed(OverlayControl::PressButton::Left, 300, 200);
        EXPECT_TRUE(reopened.names.isEmpty());
        typed += 1;
    }
}

TEST_F(LinesDialogTest, RowNumberClickMakesItCurrentAndClearLineEmptiesIt)
{
    m.Lines[5] = {0, 255, 0, 1, 2, 3, 4};
    session->Overlay().RefillLineRows();
    EXPECT_EQ(Caption("colour", 5), "Red");
    EXPECT_EQ(RowBox(5, 4)->text(), "  3.000");
    session->View().SetReferencePoints(1, 1, 2, 2);
    dialog->show();
    Choose("typeLine");
    QTest::mouseClick(test::Child<QLabel>(*dialog, "number5"), Qt::LeftButton);
    EXPECT_EQ(m.CurrentLineSlot, 5);
    EXPECT_EQ(RowColour(5), QColor(0, 255, 255));
    EXPECT_FALSE(Radio("typeLine")->isChecked());
    Click("clearLine");
    EXPECT_EQ(RowBox(5, 4)->text(), "");
    EXPECT_EQ(Caption("colour", 5), "");
    EXPECT_EQ(m.Lines[5].type, -1.0f);
}

TEST_F(LinesDialogTest, BoxesTakeOnlyNumberKeysAndKeepTheirValueForTextThatIsNoNumber)
{
    QLineEdit* box = RowBox(2, 1);
    Type(box, "--1..5x+e");
    EXPECT_EQ(box->text(), "-1.5");
    QTest::keyClick(box, Qt::Key_Return);
    Leave(box);
    EXPECT_EQ(m.Lines[2].y1, -1.5f);
    EXPECT_EQ(box->text(), "-1.5");

    Type(box, "-");
    Leave(box);
    EXPECT_EQ(m.Lines[2].y1, -1.5f);
    EXPECT_EQ(box->text(), "-");

    // Pasting with the keyboard types nothing into a number box.
    QGuiApplication::clipboard()->setText("junk");
    Type(box, "7");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "7");
    Leave(box);
    EXPECT_EQ(m.Lines[2].y1, 7.0f);
    EXPECT_EQ(m.Lines[2].x2, 0.0f);
}

TEST_F(LinesDialogTest, ThirdBoxOfACircleRowTakesNoKeysWhileItsRadiusBoxDoes)
{
    session->View().SetReferencePoints(0, 0, 3, 4);
    dialog->show();
    Choose("typeCircle");
    QLineEdit* unused = RowBox(1, 3);
    EXPECT_TRUE(unused->isReadOnly());
    unused->setFocus();
    QTest::keyClicks(unused, "12");
    QTest::keyClick(unused, Qt::Key_Backspace);
    EXPECT_EQ(unused->text(), "");
    QLineEdit* radius = RowBox(1, 4);
    EXPECT_FALSE(radius->isReadOnly());
    Type(radius, "2.5");
    EXPECT_EQ(radius->text(), "2.5");
    EXPECT_FALSE(RowBox(2, 3)->isReadOnly());

    Choose("colourBlack");
    Choose("refFixed");
    Click("drawClose");
    EXPECT_EQ(RowBox(1, 3)->text(), "");
    EXPECT_EQ(RowBox(1, 4)->text(), "  5.000");
}
