// The Help menu's windows: each instruction text loaded once at creation, one message for a file that cannot be loaded, the program going on.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <memory>

#include "FileTestSupport.h"
#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/help/AboutBox.h"
#include "ui/help/HelpTextWindow.h"

using namespace zeph;
using test::Child;
using test::WriteBytes;

namespace {

// Each case runs in a folder of its own, where the help texts are what the case puts there.
class HelpWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    static QString MemoText(const QWidget& w) { return Child<QPlainTextEdit>(w, "memo")->toPlainText(); }
    static QString LabelText(const QWidget& w) { return Child<QLabel>(w, "fileNameLabel")->text(); }

    test::InFolderOfItsOwn folder;
};

}  // namespace

TEST_F(HelpWindowsTest, AMissingFileGivesOneMessageAndLeavesTheMemoAsItWas)
{
    std::unique_ptr<HelpTextWindow> w(MakeInstructionsWindow(nullptr));
    EXPECT_EQ(w->LoadError(), "Error Loading instruct.doc: No such file or directory");
    EXPECT_EQ(MemoText(*w), "Memo1");
    EXPECT_EQ(LabelText(*w), "Label1");
    EXPECT_EQ(w->windowTitle(), "Instructions");

    QDir(folder.path()).mkdir("ZpISpIns.doc");  // not a file either
    std::unique_ptr<HelpTextWindow> special(MakeSpecialInstructionsWindow(nullptr));
    EXPECT_EQ(special->LoadError(), "Error Loading ZpISpIns.doc: Is a folder, not a file");
    EXPECT_EQ(special->windowTitle(), "Zepharin Special Instructions");
}

TEST_F(HelpWindowsTest, AnEmptyFileGivesAnEmptyMemoAndNoMessage)
{
    ASSERT_TRUE(WriteBytes("instruct.doc", ""));
    std::unique_ptr<HelpTextWindow> w(MakeInstructionsWindow(nullptr));
    EXPECT_EQ(w->LoadError(), "");
    EXPECT_EQ(MemoText(*w), "");
    EXPECT_EQ(LabelText(*w), "instruct.doc");
}

// The memo holds its file's name; one memo line per text line, whatever the line ends.
TEST_F(HelpWindowsTest, TheTextIsLoadedOnceLineByLineFromTheFileTheMemoNames)
{
    ASSERT_TRUE(WriteBytes("ZpISpIns.doc", "UNITS\r\nAny unit.\r\n\r\nLAST\n"));
    std::unique_ptr<HelpTextWindow> w(MakeSpecialInstructionsWindow(nullptr));
    EXPECT_EQ(w->LoadError(), "");
    EXPECT_EQ(MemoText(*w), "UNITS\nAny unit.\n\nLAST");
    EXPECT_EQ(Child<QPlainTextEdit>(*w, "memo")->property("fileName").toString(), "ZpISpIns.doc");
    EXPECT_TRUE(Child<QPlainTextEdit>(*w, "memo")->isReadOnly());
    EXPECT_EQ(LabelText(*w), "ZpISpIns.doc");
    // Loaded at creation only: a later change of the file is not seen by this window.
    ASSERT_TRUE(WriteBytes("ZpISpIns.doc", "changed"));
    w->show();
    EXPECT_EQ(MemoText(*w), "UNITS\nAny unit.\n\nLAST");
}

TEST_F(HelpWindowsTest, TextThatIsNotUtf8IsReadAsLatin1)
{
    ASSERT_TRUE(WriteBytes("instruct.doc", "Cylinder \xd8 2\n"));
    std::unique_ptr<HelpTextWindow> w(MakeInstructionsWindow(nullptr));
    EXPECT_EQ(MemoText(*w), QString::fromUtf8("Cylinder \u00d8 2"));
}

TEST_F(HelpWindowsTest, TheAboutBoxHasItsEightLines)
{
    AboutBox about(nullptr);
    EXPECT_EQ(about.windowTitle(), "About These Programs");
    EXPECT_EQ(about.size(), QSize(340, 143));
    for (int i = 1; i <= 8; ++i) {
        const QLabel* label = Child<QLabel>(about, QString("aboutLabel%1").arg(i));
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_LE(label->geometry().right(), 340) << label->text().toStdString();
    }
    EXPECT_EQ(Child<QLabel>(about, "aboutLabel1")->text(), "ZEPHARIN Inside Admission");
}

// The main window creates the help windows with itself: their messages come out once, in
// order, for the program to show; the menu items then show what was loaded.
TEST_F(HelpWindowsTest, TheMainWindowCollectsStartUpMessagesAndOpensEachWindow)
{
    ASSERT_TRUE(WriteBytes("ZpISpIns.doc", "special text"));
    MechanismModel m;
    RecordingSound sound;
    Session session(m, sound);
    MainWindow window(session);
    EXPECT_EQ(window.StartupErrors(), QStringList({"Error Loading instruct.doc: No such file or directory"}));

    test::ModalAnswers answers(test::CloseIt);
    for (const char* item : {"instructions", "specialInstructions", "about"}) Child<QAction>(window, item)->trigger();
    EXPECT_EQ(answers.names, QStringList({"instructionsWindow", "specialInstructionsWindow", "aboutBox"}));
    EXPECT_EQ(MemoText(*Child<QWidget>(window, "specialInstructionsWindow")), "special text");
    EXPECT_EQ(MemoText(*Child<QWidget>(window, "instructionsWindow")), "Memo1");

    ASSERT_TRUE(WriteBytes("instruct.doc", "text"));
    MainWindow second(session);
    EXPECT_TRUE(second.StartupErrors().isEmpty());
}
