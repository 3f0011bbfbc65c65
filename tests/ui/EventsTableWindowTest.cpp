// The events table window: the report's figures for the same design, kept up to date while the animation runs.
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "ReportTestSupport.h"
#include "UiTestSupport.h"
#include "ui/analysis/EventsTableWindow.h"

using namespace zeph;

namespace {

class EventsTableWindowTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        events = W<EventsTableWindow>("eventsTableWindow");
        W<QAction>("eventsTable")->trigger();
        WaitForTable();
    }

    // Waits for the refresh in flight to be shown (a generous cap, no fixed wait).
    void WaitForTable()
    {
        QSignalSpy spy(events, &EventsTableWindow::refreshed);
        ASSERT_TRUE(spy.wait(30000));
    }

    template <typename T>
    T* E(const QString& name)
    {
        return test::Child<T>(*events, name);
    }

    QString Report(const QStringList& args)
    {
        QProcess report;
        report.start(ZEPH_REPORT_PROGRAM, QStringList{"events", "--csv"} + args);
        EXPECT_TRUE(report.waitForFinished(60000));
        EXPECT_EQ(report.exitCode(), 0) << report.readAllStandardError().toStdString();
        return QString::fromUtf8(report.readAllStandardOutput());
    }

    QString SavedCsv()
    {
        const QString path = dir.filePath("events.csv");
        EXPECT_TRUE(events->SaveCsv(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }

    EventsTableWindow* events = nullptr;
    QTemporaryDir dir;
};

}  // namespace

// Opened beside the running main window, the table of a changed design with an added gear is
// what the report prints for that design and those gears, byte for byte in the saved CSV; the
// animation went on meanwhile.
TEST_F(EventsTableWindowTest, ShowsTheReportsFiguresOfTheDesignOnScreen)
{
    EXPECT_TRUE(events->isVisible());
    EXPECT_FALSE(events->isModal());
    session->Dimensions().ApplyDimensions("test", {{18, 1.8f}, {6, 8.5f}});
    test::MainWindowTestBase::Type(E<QLineEdit>("offsetBox"), "0.5");
    const double angle = m.DriverAngle;
    E<QPushButton>("addOffset")->click();
    WaitForTable();
    window->Tick();
    EXPECT_NE(m.DriverAngle, angle);

    const QString csv = SavedCsv();
    EXPECT_EQ(csv, Report({"--gear", "mid", "--gear", "fwd", "--gear", "fwdmax", "--gear", "rev", "--gear", "revmax",
                           "--rev", "0.5", "--set", "18=1.8", "--set", "6=8.5"}));
    auto* table = E<QTableWidget>("eventsTable");
    ASSERT_EQ(table->rowCount(), 6);
    // Forward cut-off, front and rear, as shown; and the front - rear difference beside them.
    const QStringList fwd = csv.split('\n')[2].split(',');
    EXPECT_EQ(table->item(1, 8)->text(), fwd[8]);
    EXPECT_EQ(table->item(1, 12)->text(), fwd[12]);
    EXPECT_NEAR(table->item(1, 17)->text().toDouble(), fwd[8].toDouble() - fwd[12].toDouble(), 0.00015);
}

// A dimension change recomputes the table, and one undo brings back the figures of before;
// the added gears follow Rev Arm to Cent Max.
TEST_F(EventsTableWindowTest, FollowsADimensionChangeAndItsUndo)
{
    const QString before = SavedCsv();
    session->Dimensions().ApplyDimensions("test", {{18, 1.9f}});
    WaitForTable();
    EXPECT_NE(SavedCsv(), before);
    session->Dimensions().Undo();
    WaitForTable();
    EXPECT_EQ(SavedCsv(), before);

    E<QPushButton>("addEvery10")->click();
    WaitForTable();
    const QString labels = SavedCsv();
    ASSERT_EQ(E<QTableWidget>("eventsTable")->rowCount(), 25);
    // fwd 100% stands where fwdmax does.
    const QStringList rows = labels.split('\n');
    EXPECT_EQ(rows[15].section(',', 1), rows[3].section(',', 1));
    EXPECT_EQ(rows[15].section(',', 0, 0), "fwd 100%");
    E<QPushButton>("removeNotches")->click();
    WaitForTable();
    EXPECT_EQ(SavedCsv(), before);
}

// The clipboard gets the same rows, tab-separated.
TEST_F(EventsTableWindowTest, CopiesTabSeparatedRows)
{
    E<QPushButton>("copy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), events->CsvText().replace(',', '\t'));
}

// Paper holds what the window shows: every cell of the table once, column for column, under the
// design file's name and the changed dimension; while a newer table is due nothing is printed.
// The export writes those figures into the PDF's text, and the preview opens and closes.
TEST_F(EventsTableWindowTest, ReportAndExportHoldTheTableShownAndTheDesign)
{
    ASSERT_FALSE(session->Files().SaveDesignFile(dir.filePath("big6.dzg")));
    session->Dimensions().ApplyDimensions("test", {{18, 1.8f}});
    for (const char* name : {"printReport", "previewReport", "exportReport"}) EXPECT_FALSE(E<QPushButton>(name)->isEnabled());
    WaitForTable();
    for (const char* name : {"printReport", "previewReport", "exportReport"}) EXPECT_TRUE(E<QPushButton>(name)->isEnabled());

    const HardCopyReport report = events->Report();
    EXPECT_TRUE(test::Facts(report).contains("Design: big6.dzg"));
    EXPECT_TRUE(test::Facts(report).contains("18 Valve Con Rod 1.8 (built-in 1.773)"));
    auto* table = E<QTableWidget>("eventsTable");
    ASSERT_EQ(table->rowCount(), 5);
    for (int r = 0; r < table->rowCount(); ++r) EXPECT_EQ(test::JoinedRow(report, 0, r, 1), test::ShownRow(*table, r)) << r;
    EXPECT_EQ(ReportCopy(report).pages, 1);

    const QString pdf = dir.filePath("events.pdf");
    {
        test::ModalAnswers answers(test::ChooseFile(pdf));
        E<QPushButton>("exportReport")->click();
        EXPECT_EQ(answers.names, QStringList{"exportDialog"});
    }
    EXPECT_TRUE(test::FileBytes(pdf).startsWith("%PDF"));
    QString skip;
    const QString text = test::PdfText(pdf, skip);
    if (skip.isEmpty()) {
        EXPECT_TRUE(text.contains("big6.dzg"));
        for (int c : {1, 8, 12, 17}) EXPECT_TRUE(text.contains(table->item(1, c)->text())) << c;
    }
    {
        test::ModalAnswers answers(test::CloseIt);
        E<QPushButton>("previewReport")->click();
        EXPECT_EQ(answers.names, QStringList{"printPreview"});
    }
    if (!skip.isEmpty()) GTEST_SKIP() << skip.toStdString();
}
