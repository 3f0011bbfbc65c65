// The pivot data table window and the main window's pivot-data and lines controls.
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "ReportTestSupport.h"
#include "UiTestSupport.h"
#include "ui/pivots/PivotDataTableWindow.h"
#include "render/scene/SceneGeometry.h"
#include "ui/widgets/HardCopyCommands.h"

using namespace zeph;

namespace {

class PivotDataWindowTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        session->Run().ChooseStep(45);
        m.PivotData.PivotSlot[1] = Crosshead;
        table = std::make_unique<PivotDataTableWindow>(*session, window.get());
        table->show();
    }

    QAction* Item(const char* name) { return test::Child<QAction>(*table, name); }
    QPlainTextEdit* Memo() { return test::Child<QPlainTextEdit>(*table, "memo"); }
    // What the memo would hold if built now, without its date and time line.
    static QStringList WithoutTitle(QString text) { return text.split(u'\n').mid(1); }

    // Runs `check` once the modal window opened by `open` shows, then closes it.
    template <typename Check>
    static void WhileModal(const std::function<void()>& open, Check check)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ran = modal != nullptr;
            if (modal) {
                check(*modal);
                modal->close();
            }
        });
        open();
        EXPECT_TRUE(ran);
    }

    std::unique_ptr<PivotDataTableWindow> table;
};

}  // namespace

TEST_F(PivotDataWindowTest, OpensWithTheTableAndItsMenu)
{
    EXPECT_EQ(table->windowTitle(), "Pivot Data Table");
    EXPECT_EQ(table->size(), QSize(620, 400));
    const QStringList lines = Memo()->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(WithoutTitle(Memo()->toPlainText()), WithoutTitle(session->Overlay().PivotDataTableText()));
    EXPECT_TRUE(lines[4].startsWith("   0.00     0.000   11.500"));

    QStringList menu;
    for (QAction* a : test::Child<QMenuBar>(*table, "menuBar")->actions()) menu << a->text();
    EXPECT_EQ(menu, (QStringList{"&Close ", "              ", "&Edit", "&File"}));
    QStringList edit;
    for (QAction* a : test::Child<QMenu>(*table, "editMenu")->actions()) edit << a->text();
    EXPECT_EQ(edit, (QStringList{"Cu&t", "&Copy", "&Paste", "", "Select&All"}));
    EXPECT_FALSE(Item("cut")->isEnabled());
    EXPECT_FALSE(Item("copy")->isEnabled());
    EXPECT_TRUE(Item("selectAll")->isEnabled());

    // The caption follows the ticks.
    window->Tick();
    EXPECT_TRUE(table->windowTitle().startsWith("ZEPHARIN Inside Admission Pivot Data   Nominal     "));
}

// Every character takes the same width, so the columns line up on screen as on the clipboard.
TEST_F(PivotDataWindowTest, TheTableShowsInAFixedPitchTwelvePointFont)
{
    const QFont font = Memo()->font();
    EXPECT_EQ(QFontInfo(font).pointSize(), 12);
    const QFontMetrics metrics(font);
    const int digit = metrics.horizontalAdvance(u'0');
    for (const QChar c : QStringLiteral(" .-1W")) EXPECT_EQ(metrics.horizontalAdvance(c), digit) << c.toLatin1();
}

TEST_F(PivotDataWindowTest, SelectAllThenCopyPutsTheExactTableOnTheClipboard)
{
    QApplication::clipboard()->clear();
    Item("selectAll")->trigger();
    EXPECT_TRUE(Item("cut")->isEnabled());
    EXPECT_TRUE(Item("copy")->isEnabled());
    EXPECT_FALSE(Item("selectAll")->isEnabled());
    Item("copy")->trigger();
    EXPECT_TRUE(Item("selectAll")->isEnabled());
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, Memo()->toPlainText());
    EXPECT_EQ(copied.split(u'\n').size(), 13);
    EXPECT_EQ(WithoutTitle(copied), WithoutTitle(session->Overlay().PivotDataTableText()));
}

TEST_F(PivotDataWindowTest, OpeningTheEditMenuWithASelectionEnablesCutAndCopy)
{
    QMenu* edit = test::Child<QMenu>(*table, "editMenu");
    emit edit->aboutToShow();
    EXPECT_FALSE(Item("copy")->isEnabled());
    QTextCursor cursor = Memo()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    Memo()->setTextCursor(cursor);
    emit edit->aboutToShow();
    EXPECT_TRUE(Item("cut")->isEnabled());
    EXPECT_TRUE(Item("copy")->isEnabled());

    // Cut takes the first line out onto the clipboard; paste puts it back at the end.
    const QString first = cursor.selectedText();
    Item("cut")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), first);
    EXPECT_FALSE(Memo()->toPlainText().startsWith("Pivot Data"));
    Memo()->moveCursor(QTextCursor::End);
    Item("paste")->trigger();
    EXPECT_TRUE(Memo()->toPlainText().endsWith(first));
}

TEST_F(PivotDataWindowTest, TheTableIsBuiltAfreshEachTimeTheWindowOpens)
{
    Memo()->setPlainText("scribbled");
    table->hide();
    session->Run().ChooseStep(10);
    table->show();
    EXPECT_EQ(Memo()->toPlainText().split(u'\n').size(), 4 + 37);
    EXPECT_FALSE(Item("copy")->isEnabled());
    Item("close")->trigger();
    EXPECT_FALSE(table->isVisible());
}

TEST_F(PivotDataWindowTest, MainWindowTogglesPivotDataAndItsTableButton)
{
    QPushButton* dataTable = Button("dataTable");
    EXPECT_FALSE(dataTable->isVisible());
    W<QAction>("tool24")->trigger();
    EXPECT_TRUE(m.PivotDataOn);
    EXPECT_TRUE(m.RefPointsOn);
    EXPECT_TRUE(dataTable->isVisible());
    EXPECT_TRUE(W<QAction>("drawLines")->isEnabled());
    WhileModal([&] { QTest::mouseClick(dataTable, Qt::LeftButton); },
               [](QWidget& modal) { EXPECT_EQ(modal.objectName(), "pivotDataTable"); });
    W<QAction>("pivotData")->trigger();
    EXPECT_FALSE(m.PivotDataOn);
    EXPECT_FALSE(dataTable->isVisible());
}

TEST_F(PivotDataWindowTest, MainWindowOpensTheLinesDialogFromItsMenuAndFromAPressAfterAPick)
{
    W<QAction>("referencePoints")->trigger();
    WhileModal([&] { W<QAction>("drawLines")->trigger(); },
               [](QWidget& modal) { EXPECT_EQ(modal.objectName(), "linesDialog"); });
    EXPECT_EQ(sound.beeps, 1);  // both reference points at the origin

    // A line on one pivot: the dialog closes for the pick and a press on the picture brings it back.
    session->View().SetReferencePoints(1, 1, 2, 2);
    session->Overlay().ChooseLineType(0);
    session->Overlay().ChooseLineColour(1);
    session->Overlay().ChooseLineReference(1);
    window->Tick();
    const QPoint crosshead(MapScene(m).pivots[Crosshead].x, MapScene(m).pivots[Crosshead].y);
    QWidget* picture = W<QWidget>("picture");
    WhileModal([&] { QTest::mouseClick(picture, Qt::LeftButton, {}, crosshead + QPoint(1, 1)); },
               [this](QWidget&) { EXPECT_EQ(m.Lines[1].pivot1, float(Crosshead)); });
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].x, (crosshead.x() + 1 - 115) / 28.0f);
}

// The report's rows are the memo's rows field for field, under the design and the gear line;
// printed to a PDF printer its text holds them.
TEST_F(PivotDataWindowTest, ReportHoldsTheMemosRowsAndPrintsThem)
{
    const HardCopyReport report = table->Report();
    const QStringList lines = Memo()->toPlainText().split(u'\n');
    ASSERT_EQ(report.tables.size(), 1u);
    ASSERT_EQ(report.tables[0].rows.size(), size_t(lines.size() - 4));
    for (size_t r = 0; r < report.tables[0].rows.size(); ++r)
        EXPECT_EQ(report.tables[0].rows[r], lines[int(r) + 4].split(u' ', Qt::SkipEmptyParts)) << r;
    EXPECT_TRUE(test::Facts(report).contains("Design: built-in design"));
    EXPECT_TRUE(test::Facts(report).contains("Dimensions changed from the built-in design: none"));
    EXPECT_TRUE(test::Facts(report).contains(lines[1].simplified()));
    EXPECT_EQ(test::Child<QAction>(*table, "exportReport")->parent(), test::Child<QMenu>(*table, "fileMenu"));

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("pivots.pdf"));
    PrintOn(printer, ReportCopy(report));
    EXPECT_TRUE(test::FileBytes(dir.filePath("pivots.pdf")).startsWith("%PDF"));
    QString skip;
    const QString text = test::PdfText(dir.filePath("pivots.pdf"), skip);
    if (!skip.isEmpty()) GTEST_SKIP() << skip.toStdString();
    EXPECT_TRUE(text.contains("built-in design"));
    for (const QString& field : report.tables[0].rows[2]) EXPECT_TRUE(text.contains(field)) << field.toStdString();
}
