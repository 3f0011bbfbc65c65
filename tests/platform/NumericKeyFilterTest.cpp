// Key filter rules of every kind of number box, on their own and on a real line edit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "platform/desktop/NumericKeyFilter.h"

namespace zeph {

namespace {

using K = KeyFilterKind;

// Types text key by key into a box of the kind, using the filter rules only.
QString TypeInto(K kind, const QString& keys)
{
    QString text;
    for (QChar ch : keys) {
        if (!AcceptKey(kind, ch, text))
            continue;
        if (ch == u'\b')
            text.chop(1);
        else if (ch != u'\r')
            text += ch;
    }
    return text;
}

}  // namespace

TEST(KeyFilterRules, DigitsPointAndBackspaceEverywhereLettersNowhere)
{
    for (K kind : {K::RevArm, K::Unsigned, K::RefPoint, K::Dimension, K::GraphicZoom}) {
        for (QChar ch : QStringLiteral("0123456789.\b"))
            EXPECT_TRUE(PassesFirstTest(kind, ch)) << int(kind) << " " << int(ch.unicode());
        for (QChar ch : QStringLiteral("+eE, aZ\t\x16\x1b"))
            EXPECT_FALSE(AcceptKey(kind, ch, "")) << int(kind) << " " << int(ch.unicode());
        EXPECT_FALSE(AcceptKey(kind, QChar(0x0663), ""));  // Arabic-Indic three is not a digit here
        EXPECT_EQ(TypeInto(kind, "1.2.3"), "1.23") << int(kind);
    }
}

TEST(KeyFilterRules, MinusDependsOnTheKind)
{
    EXPECT_EQ(TypeInto(K::RevArm, "--3.7-"), "-3.7");
    EXPECT_EQ(TypeInto(K::Dimension, "-2-"), "-2");
    EXPECT_EQ(TypeInto(K::RefPoint, "-1-.-5"), "-1-.-5");  // repeatable, point once
    EXPECT_EQ(TypeInto(K::Unsigned, "-45"), "45");
    EXPECT_EQ(TypeInto(K::GraphicZoom, "-7.5"), "7.5");
    EXPECT_FALSE(PassesFirstTest(K::Unsigned, u'-'));
    EXPECT_TRUE(PassesFirstTest(K::RevArm, u'-'));
    // A second minus passes the first test; only the duplicate check drops it.
    EXPECT_TRUE(PassesFirstTest(K::Dimension, u'-'));
    EXPECT_FALSE(AcceptKey(K::Dimension, u'-', "12-"));
}

TEST(KeyFilterRules, DuplicateCheckLooksAtTheWholeTextAndBackspaceFreesIt)
{
    EXPECT_FALSE(AcceptKey(K::RevArm, u'.', "3.769"));
    EXPECT_TRUE(AcceptKey(K::RevArm, u'\b', "3.769"));
    EXPECT_EQ(TypeInto(K::Unsigned, "1.\b.5"), "1.5");
    EXPECT_EQ(TypeInto(K::RevArm, "-\b-1"), "-1");
}

TEST(KeyFilterRules, EnterBelongsToDimensionBoxesOnly)
{
    EXPECT_TRUE(AcceptKey(K::Dimension, u'\r', "12"));
    for (K kind : {K::RevArm, K::Unsigned, K::RefPoint, K::GraphicZoom, K::LineBox, K::PositionList})
        EXPECT_FALSE(PassesFirstTest(kind, u'\r')) << int(kind);
}

// Sees the key presses that get past the numeric filter (filters run newest first).
class PassedKeys : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys.push_back(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
    std::vector<int> keys;
};

class KeyFilterOnEdit : public ::testing::Test {
protected:
    NumericKeyFilter* Make(K kind)
    {
        edit = new QLineEdit(&dialog);
        ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(ok);
        edit->installEventFilter(&passed);
        return NumericKeyFilter::Install(edit, kind);
    }

    void Send(int key, Qt::KeyboardModifiers modifiers, const QString& text)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(edit, &event);
    }

    QDialog dialog;
    PassedKeys passed;
    QLineEdit* edit = nullptr;
    QPushButton* ok = nullptr;
};

TEST_F(KeyFilterOnEdit, TypedKeysAreFilteredAndEditingKeysPass)
{
    Make(K::RevArm);
    QTest::keyClicks(edit, "-3a.7-6.9+");
    EXPECT_EQ(edit->text(), "-3.769");
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "-3.79");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "3.79");
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), "-3.79");
}

TEST_F(KeyFilterOnEdit, ControlCharactersAreRefusedNavigationKeysPass)
{
    NumericKeyFilter* filter = Make(K::Unsigned);
    QSignalSpy typed(filter, &NumericKeyFilter::keyTyped);
    edit->setText("12");
    Send(Qt::Key_B, Qt::ControlModifier, QStringLiteral("\x02"));
    EXPECT_EQ(edit->text(), "12");
    EXPECT_TRUE(passed.keys.empty());
    ASSERT_EQ(typed.size(), 1);
    EXPECT_EQ(typed[0][0].value<QChar>(), QChar(0x02));
    EXPECT_FALSE(typed[0][1].toBool());

    Send(Qt::Key_Shift, Qt::ShiftModifier, QString());
    Send(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    Send(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    Send(Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    EXPECT_EQ(passed.keys, (std::vector<int>{Qt::Key_Shift, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Delete}));
    EXPECT_EQ(typed.size(), 1);
}

// A paste obeys the typing rule whichever way it comes: shortcut, Shift+Insert or the menu.
TEST_F(KeyFilterOnEdit, PastingInsertsOnlyWhatTypingWouldHave)
{
    NumericKeyFilter* filter = Make(K::RevArm);
    QSignalSpy typed(filter, &NumericKeyFilter::keyTyped);
    QApplication::clipboard()->setText("abc1.2.3xyz");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "1.23");
    EXPECT_EQ(typed.size(), 11);  // every pasted character is examined like a typed one

    edit->clear();
    QApplication::clipboard()->setText("--4.5\n6");
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->text(), "-4.56");  // the line break neither types nor presses Enter

    // The context menu's own "Paste" goes through the filter as well.
    edit->clear();
    QApplication::clipboard()->setText("x7.y8");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        if (QAction* paste = PasteAction(*menu)) paste->trigger();
        menu->close();
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &menuEvent);
    EXPECT_EQ(edit->text(), "7.8");  // also fails if the menu had no "Paste" to trigger
}

TEST_F(KeyFilterOnEdit, SelectAllCopyAndCutWorkAsInAnyTextBox)
{
    Make(K::Unsigned);
    edit->setText("12.5");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "12.5");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12.5");
}

TEST_F(KeyFilterOnEdit, ReportsEveryCharacterWithItsFirstTest)
{
    NumericKeyFilter* filter = Make(K::Dimension);
    QSignalSpy typed(filter, &NumericKeyFilter::keyTyped);
    QTest::keyClicks(edit, "1-x-");
    ASSERT_EQ(typed.size(), 4);
    EXPECT_TRUE(typed[1][1].toBool());
    EXPECT_FALSE(typed[2][1].toBool());
    EXPECT_TRUE(typed[3][1].toBool());  // second minus: dropped, but passed the first test
    EXPECT_EQ(edit->text(), "1-");
}

TEST_F(KeyFilterOnEdit, EnterReachesTheDefaultButtonOfSimpleBoxes)
{
    Make(K::RevArm);
    QSignalSpy clicked(ok, &QPushButton::clicked);
    dialog.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(KeyFilterOnEdit, DimensionBoxesConsumeEnterAndSignalIt)
{
    NumericKeyFilter* filter = Make(K::Dimension);
    QSignalSpy clicked(ok, &QPushButton::clicked);
    QSignalSpy enter(filter, &NumericKeyFilter::enterPressed);
    QSignalSpy returned(edit, &QLineEdit::returnPressed);
    dialog.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(enter.size(), 1);
    EXPECT_EQ(clicked.size(), 0);
    EXPECT_EQ(returned.size(), 0);
}

TEST_F(KeyFilterOnEdit, GraphicZoomDropsEnterAndMinus)
{
    NumericKeyFilter* filter = Make(K::GraphicZoom);
    QSignalSpy clicked(ok, &QPushButton::clicked);
    QSignalSpy enter(filter, &NumericKeyFilter::enterPressed);
    dialog.show();
    edit->setFocus();
    QTest::keyClicks(edit, "-7.5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "7.5");
    EXPECT_EQ(clicked.size(), 0);
    EXPECT_EQ(enter.size(), 0);
}

TEST(KeyFilterInstall, NullEditGivesNoFilter)
{
    EXPECT_EQ(NumericKeyFilter::Install(nullptr, K::RevArm), nullptr);
}

TEST(ReadNumberTest, WellFormedNumbers)
{
    EXPECT_DOUBLE_EQ(ReadNumber("1.5", 9), 1.5);
    EXPECT_DOUBLE_EQ(ReadNumber(" -2.25 ", 9), -2.25);
    EXPECT_DOUBLE_EQ(ReadNumber("+4", 9), 4);
    EXPECT_DOUBLE_EQ(ReadNumber("5.", 9), 5);
    EXPECT_DOUBLE_EQ(ReadNumber("-.5", 9), -0.5);
    EXPECT_DOUBLE_EQ(ReadNumber("  3.769", 9), 3.769);
}

TEST(ReadNumberTest, EmptyAndLonePointReadAsZero)
{
    EXPECT_EQ(ReadNumber("", 9), 0);
    EXPECT_EQ(ReadNumber("   ", 9), 0);
    EXPECT_EQ(ReadNumber(".", 9), 0);
}

TEST(ReadNumberTest, IncompleteTextKeepsThePreviousValue)
{
    for (const char* text : {"-", "12-", "1.2.3", "abc", "1e5", "--1", "-.", "1 2", "1,5", "0x10", "nan", "inf"})
        EXPECT_EQ(ReadNumber(text, 7.25), 7.25) << text;
}

TEST(ReadNumberTest, GiantStringsStayFinite)
{
    EXPECT_EQ(ReadNumber(QString(400, u'9'), 7.25), 7.25);
    EXPECT_EQ(ReadNumber("-" + QString(400, u'9'), 7.25), 7.25);
    EXPECT_EQ(ReadNumber("0." + QString(400, u'0') + "1", 7.25), 0);
    EXPECT_DOUBLE_EQ(ReadNumber("0." + QString(100000, u'3'), 7.25), 1.0 / 3);
    EXPECT_DOUBLE_EQ(ReadNumber(QString(300, u'9'), 7.25), 1e300);
}

TEST(ReadNumberTest, FloatVersionRefusesValuesBeyondFloatRange)
{
    EXPECT_FLOAT_EQ(ReadNumberF("2.5", 1), 2.5f);
    EXPECT_EQ(ReadNumberF("1" + QString(40, u'0'), 1.5f), 1.5f);
    EXPECT_EQ(ReadNumberF("-1" + QString(40, u'0'), 1.5f), 1.5f);
    EXPECT_EQ(ReadNumberF("12-", 1.5f), 1.5f);
    EXPECT_EQ(ReadNumberF("", 1.5f), 0.0f);
}

}  // namespace zeph
