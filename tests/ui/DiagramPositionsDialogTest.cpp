// The positions dialog of the diagrams, used through its boxes as a user would: the list rules, clamps and count.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "model/diagrams/DiagramPositions.h"
#include "render/text/TextScale.h"
#include "ui/diagrams/DiagramPositionsDialog.h"

using namespace zeph;

namespace {

class DiagramPositionsDialogTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        dialog = std::make_unique<DiagramPositionsDialog>(*session, window.get());
    }
    void TearDown() override
    {
        dialog.reset();
        MainWindowTestBase::TearDown();
    }

    // Shows the dialog as the active window, so that focus changes reach its boxes.
    void ShowActive()
    {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QLineEdit* PositionBox(int k) const { return Box(*dialog, QString("position%1").arg(k)); }
    QLineEdit* ScaleBox() const { return Box(*dialog, "scale"); }
    QLabel* Text(const QString& name) const { return test::Child<QLabel>(*dialog, name); }
    QPushButton* CloseButton() const { return Press(*dialog, "close"); }

    // Types into a box and leaves it by clicking "Close" in the dialog's place of focus: Tab.
    void TypeAndLeave(QLineEdit* box, const QString& keys)
    {
        Type(box, keys);
        CloseButton()->setFocus(Qt::TabFocusReason);
    }
    void SetList(std::initializer_list<float> positions)
    {
        m.DiagramRevArmPos.fill(0.0f);
        m.DiagramRevArmPos[0] = m.RevArmCentre;
        int k = 1;
        for (float p : positions) m.DiagramRevArmPos[static_cast<size_t>(k++)] = p;
    }
    float Lower() const { return float(Real(m.RevArmCentre) - m.Frame.RevArmMax); }
    float Upper() const { return float(Real(m.RevArmCentre) + m.Frame.RevArmMax); }
    std::vector<QString> FocusChainFromClose()
    {
        CloseButton()->setFocus(Qt::OtherFocusReason);
        std::vector<QString> names;
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names.push_back(QApplication::focusWidget()->objectName());
        }
        return names;
    }

    std::unique_ptr<DiagramPositionsDialog> dialog;
};

}  // namespace

TEST_F(DiagramPositionsDialogTest, StartUpListShowsFourBoxesAndCountsThree)
{
    ShowActive();
    EXPECT_EQ(m.DiagramRevArmCount, 3);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(PositionBox(k)->isVisible(), k <= 4) << k;
        EXPECT_EQ(Text(QString("positionText%1").arg(k))->isVisible(), k <= 4) << k;
    }
    EXPECT_EQ(PositionBox(1)->text(), "3.769");
    EXPECT_EQ(PositionBox(2)->text(), "4.809");
    EXPECT_EQ(PositionBox(3)->text(), "2.729");
    EXPECT_EQ(PositionBox(4)->text(), "0.000");
    EXPECT_EQ(ScaleBox()->text(), "1.500");
    EXPECT_EQ(Text("headerMin")->text(), "Min 2.469");
    EXPECT_EQ(Text("headerRev")->text(), "Rev 2.729");
    EXPECT_EQ(Text("headerCentre")->text(), "Cent 3.769");
    EXPECT_EQ(Text("headerFwd")->text(), "Fwd 4.809");
    EXPECT_EQ(Text("headerMax")->text(), "Max 5.069");
    EXPECT_EQ(Text("positionText1")->text(), "Rev Arm Position  1");
    EXPECT_EQ(Text("scaleText")->text(), "Vertical Scale");
    EXPECT_EQ(Text("maxPositions")->text(), "Max of 9 Positions");
    EXPECT_EQ(dialog->windowTitle(), "Set Reverse Arm Positions");
    EXPECT_EQ(dialog->focusWidget(), CloseButton());

    SetList({});
    dialog->Paint();
    EXPECT_EQ(m.DiagramRevArmCount, 0);
    EXPECT_TRUE(PositionBox(1)->isVisible());
    EXPECT_FALSE(PositionBox(2)->isVisible());
}

// Each text stands at its scaled place, level with its box, whole, and clear of every control,
// with the normal and with the large font.
TEST_F(DiagramPositionsDialogTest, TextsFitBesideTheirBoxesAtBothFontSizes)
{
    SetList({3.0f, 3.1f, 3.2f, 3.3f, 3.4f, 3.5f, 3.6f, 3.7f, 3.8f});
    for (bool large : {false, true}) {
        SCOPED_TRACE(large ? "large font" : "normal font");
        if (large) session->Display().Toggle(DisplayOption::LargeFont);
        ShowActive();
        const float sx = TextScaleFor(large).x, sy = TextScaleFor(large).y;
        EXPECT_EQ(Text("positionText1")->pos(), QPoint(int(std::lround(13 * sx)), int(std::lround(38 * sy))));
        EXPECT_EQ(Text("positionText5")->pos(), QPoint(int(std::lround(165 * sx)), int(std::lround(25 * sy))));
        EXPECT_EQ(Text("headerMax")->pos(), QPoint(int(std::lround(270 * sx)), 4));

        QList<QWidget*> controls;
        for (QLineEdit* e : dialog->findChildren<QLineEdit*>()) controls.append(e);
        controls.append(CloseButton());
        const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            const QRect r = label->geometry();
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_GE(r.width(), label->sizeHint().width());
            EXPECT_TRUE(dialog->rect().contains(r));
            for (QWidget* c : controls) EXPECT_FALSE(r.intersects(c->geometry())) << c->objectName().toStdString();
            for (QLabel* other : labels) {
                if (other == label) continue;
                EXPECT_FALSE(r.intersects(other->geometry())) << other->objectName().toStdString();
            }
        }
        for (int k = 1; k <= 10; ++k) {
            QLineEdit* box = k == 10 ? ScaleBox() : PositionBox(k);
            QLabel* text = Text(k == 10 ? QString("scaleText") : QString("positionText%1").arg(k));
            EXPECT_LE(std::abs(box->geometry().center().y() - text->geometry().center().y()), 3) << k;
            EXPECT_TRUE(dialog->rect().contains(box->geometry())) << k;
            // The box shows its whole number.
            EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->text())) << k;
        }
        dialog->hide();
    }
}

TEST_F(DiagramPositionsDialogTest, TabOrderAndAnyKeyRevealsTheNextBox)
{
    SetList({3.0f, 3.1f, 3.2f, 3.3f, 3.4f, 3.5f, 3.6f, 3.7f, 3.8f});
    ShowActive();
    const std::vector<QString> order = {"position2", "position3", "position4", "position6", "position7", "position8",
                                        "position9", "scale",     "position1", "position5", "close"};
    EXPECT_EQ(FocusChainFromClose(), order);
    // Passing through the boxes changes nothing.
    EXPECT_EQ(m.DiagramRevArmPos[1], 3.0f);
    EXPECT_EQ(m.DiagramRevArmPos[9], 3.8f);

    SetList({3.0f, 3.1f, 3.2f});
    dialog->Paint();
    EXPECT_FALSE(PositionBox(5)->isVisible());
    PositionBox(4)->setFocus();
    QTest::keyClick(PositionBox(4), Qt::Key_X);  // dropped by the filter, still offers box 5
    EXPECT_EQ(PositionBox(4)->text(), "0.000");
    EXPECT_TRUE(PositionBox(5)->isVisible());
    EXPECT_TRUE(Text("positionText5")->isVisible());
    EXPECT_EQ(Text("positionText5")->pos(), QPoint(165, 25));
    EXPECT_FALSE(PositionBox(6)->isVisible());
    QTest::keyClick(ScaleBox(), Qt::Key_1);
    EXPECT_FALSE(PositionBox(6)->isVisible());
}

// Enter is not one of the keys a box takes: it neither types nor closes the dialog.
TEST_F(DiagramPositionsDialogTest, EnterInABoxIsDroppedAndTheDialogStaysOpen)
{
    ShowActive();
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        Type(PositionBox(2), "4.5");
        QTest::keyClick(PositionBox(2), enter);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(PositionBox(2)->text(), "4.5");
        EXPECT_EQ(QApplication::focusWidget(), PositionBox(2));
    }
}

TEST_F(DiagramPositionsDialogTest, LeavingABoxClampsAndKeepsTheFirstEntryNonZero)
{
    ShowActive();
    TypeAndLeave(PositionBox(2), "99");
    EXPECT_EQ(m.DiagramRevArmPos[2], Upper());
    EXPECT_EQ(PositionBox(2)->text(), "5.069");
    TypeAndLeave(PositionBox(3), "-99");
    EXPECT_EQ(m.DiagramRevArmPos[3], Lower());
    TypeAndLeave(PositionBox(1), "0");  // 0.001, then pinned to the lower end of the range
    EXPECT_EQ(m.DiagramRevArmPos[1], Lower());
    TypeAndLeave(ScaleBox(), "0.05");
    EXPECT_EQ(m.DiagramVScale, 0.1f);
    TypeAndLeave(ScaleBox(), "250");
    EXPECT_EQ(m.DiagramVScale, 250.0f);

    m.Frame.RevArmMax = 10.0f;  // a range that reaches down past 0.001
    TypeAndLeave(PositionBox(1), "");
    EXPECT_EQ(m.DiagramRevArmPos[1], 0.001f);
}

// A scale beyond what the diagrams draw is stored as the largest they draw, and the box shows
// that value whole (nothing scrolled out of sight), with either font.
TEST_F(DiagramPositionsDialogTest, TheScaleStaysWithinWhatTheDiagramsDrawAndShowsWhole)
{
    for (bool large : {false, true}) {
        SCOPED_TRACE(large ? "large font" : "normal font");
        if (large) session->Display().Toggle(DisplayOption::LargeFont);
        ShowActive();
        TypeAndLeave(ScaleBox(), "99999");
        EXPECT_EQ(Real(m.DiagramVScale), DiagramDrawScale(m));
        EXPECT_EQ(ScaleBox()->text(), "10000.000");
        QLineEdit* box = ScaleBox();
        auto cursorX = [box] {
            box->grab();  // the box scrolls its text to the cursor as it paints
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        };
        box->end(false);
        const int end = cursorX();
        box->home(false);
        EXPECT_NEAR(end - cursorX(), box->fontMetrics().horizontalAdvance(box->text()), 1);
        for (QLabel* label : dialog->findChildren<QLabel*>())
            EXPECT_FALSE(label->geometry().intersects(box->geometry())) << label->objectName().toStdString();
        dialog->hide();
    }
}

// Junk never reaches the list: incomplete numbers keep the value, numbers beyond a 32-bit real
// go to the end of the range.
TEST_F(DiagramPositionsDialogTest, JunkKeepsTheValueOrClampsAndNeverGivesNaN)
{
    ShowActive();
    const float second = m.DiagramRevArmPos[2];
    for (const char* junk : {"-", "12-", "1-2", "3.-"}) {
        TypeAndLeave(PositionBox(2), junk);
        EXPECT_EQ(m.DiagramRevArmPos[2], second) << junk;
    }
    TypeAndLeave(PositionBox(2), "1" + QString(45, '0'));
    EXPECT_EQ(m.DiagramRevArmPos[2], Upper());
    TypeAndLeave(PositionBox(2), "-1" + QString(400, '0'));
    EXPECT_EQ(m.DiagramRevArmPos[2], Lower());
    TypeAndLeave(ScaleBox(), "1" + QString(45, '0'));
    EXPECT_EQ(m.DiagramVScale, MaxDiagramVScale);

    // Pasted text goes through the key filter: letters are refused, digits and one point kept.
    QApplication::clipboard()->setText("4.1x.5");
    Type(PositionBox(3), "");
    QTest::keyClick(PositionBox(3), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(PositionBox(3)->text(), "4.15");
    CloseButton()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m.DiagramRevArmPos[3], 4.15f);
    for (float p : m.DiagramRevArmPos) EXPECT_TRUE(std::isfinite(p));
    EXPECT_TRUE(std::isfinite(m.DiagramVScale));
}

TEST_F(DiagramPositionsDialogTest, AZeroEndsTheListWhenTheDialogCloses)
{
    SetList({3.0f, 3.1f, 3.2f, 3.3f, 3.4f});
    ShowActive();
    EXPECT_EQ(m.DiagramRevArmCount, 5);
    session->Diagrams().TakeDiagramRedrawPending();
    TypeAndLeave(PositionBox(3), "0");
    QTest::mouseClick(CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(m.DiagramRevArmCount, 2);
    for (int k = 3; k <= 9; ++k) EXPECT_EQ(m.DiagramRevArmPos[static_cast<size_t>(k)], 0.0f) << k;
    EXPECT_TRUE(session->Diagrams().RedrawPending());

    // Closed with Escape while a box is being edited: the box is taken and the list recounted.
    session->Diagrams().TakeDiagramRedrawPending();
    ShowActive();
    Type(PositionBox(3), "3.3");
    QTest::keyClick(PositionBox(3), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(m.DiagramRevArmPos[3], 3.3f);
    EXPECT_EQ(m.DiagramRevArmCount, 3);
    EXPECT_TRUE(session->Diagrams().RedrawPending());
}

// The first entry is mid gear exactly; showing it with three decimals must not round it when
// the user only passes through its box, or it would be listed as a reverse position.
TEST_F(DiagramPositionsDialogTest, PassingThroughABoxKeepsItsExactValue)
{
    ShowActive();
    ASSERT_NE(m.DiagramRevArmPos[1], 3.769f);
    FocusChainFromClose();
    QTest::mouseClick(CloseButton(), Qt::LeftButton);
    EXPECT_EQ(m.DiagramRevArmPos[1], m.RevArmCentre);
    EXPECT_EQ(SideOf(m, m.DiagramRevArmPos[1]), RevArmSide::Centre);
}
