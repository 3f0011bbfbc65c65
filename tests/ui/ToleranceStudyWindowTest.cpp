// The tolerance study window: the report's CSV for the same study, Cancel's partial result, boxes that refuse bad input.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "ReportTestSupport.h"
#include "UiTestSupport.h"
#include "platform/HardCopyReport.h"
#include "platform/HardCopyReport.h"
#include "ui/analysis/ToleranceStudyWindow.h"

using namespace zeph;

namespace {

class ToleranceStudyWindowTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        study = W<ToleranceStudyWindow>("toleranceStudyWindow");
        W<QAction>("toleranceStudy")->trigger();
    }

    template <typename T>
    T* S(const QString& name)
    {
        return test::Child<T>(*study, name);
    }

    void SetTolerance(int code, const QString& text)
    {
        auto* table = S<QTableWidget>("toleranceTable");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0)->text() == QString::number(code)) table->item(r, 3)->setText(text);
    }

    ToleranceStudyWindow* study = nullptr;
};

// Per-code tolerances over "all", wear, a seed and an offset gear: the saved CSV is the report's, byte for byte.
TEST_F(ToleranceStudyWindowTest, SavesTheReportsCsvForTheSameStudy)
{
    EXPECT_FALSE(study->isModal());
    S<QLineEdit>("all")->setText("0.005");
    SetTolerance(18, "0.02");
    SetTolerance(6, "0");
    S<QLineEdit>("wear")->setText("0.003");
    S<QLineEdit>("samples")->setText("40");
    S<QLineEdit>("seed")->setText("7");
    S<QLineEdit>("gears")->setText("fwd -0.5");
    QSignalSpy spy(study, &ToleranceStudyWindow::finished);
    S<QPushButton>("run")->click();
    EXPECT_TRUE(study->Running());
    ASSERT_TRUE(spy.wait(120000));

    QProcess report;
    report.start(ZEPH_REPORT_PROGRAM, {"tolerance", "--all", "0.005", "--tol", "6=0", "--tol", "18=0.02", "--wear",
                                       "0.003", "--samples", "40", "--seed", "7", "--gear", "fwd", "--rev", "-0.5",
                                       "--csv"});
    ASSERT_TRUE(report.waitForFinished(120000));
    const QByteArray expected = report.readAllStandardOutput();
    ASSERT_FALSE(expected.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath("study.csv");
    ASSERT_TRUE(study->SaveCsv(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), expected);
    EXPECT_EQ(S<QTableWidget>("spreadTable")->rowCount(), 20);
    EXPECT_FALSE(S<QLabel>("histograms")->pixmap().isNull());
}

// Cancel part way: the figures are those of the samples taken in, every one of them met or missing in each figure.
TEST_F(ToleranceStudyWindowTest, CancelKeepsAConsistentPartialResult)
{
    S<QLineEdit>("wear")->setText("0.01");
    S<QLineEdit>("samples")->setText("1000000");
    QSignalSpy spy(study, &ToleranceStudyWindow::finished);
    S<QPushButton>("run")->click();
    ASSERT_TRUE(study->Running());
    QTRY_VERIFY_WITH_TIMEOUT(S<QProgressBar>("progress")->value() > 0, 60000);
    S<QPushButton>("cancel")->click();
    ASSERT_TRUE(spy.wait(120000));

    const ToleranceResult& r = study->Shown()->result;
    EXPECT_TRUE(r.cancelled);
    EXPECT_GT(r.samples, 0);
    EXPECT_LT(r.samples, r.requested);
    for (const GearSpread& g : r.gears)
        for (const FigureSpread& f : g.figures) EXPECT_EQ(f.Count() + f.Missing(), r.samples) << g.gear;
    EXPECT_TRUE(study->Shown()->ranking.rows.empty());
    EXPECT_TRUE(S<QPushButton>("run")->isEnabled());
}

// Each box refuses what it cannot hold: nothing runs and the status says which box.
TEST_F(ToleranceStudyWindowTest, RefusesBadInput)
{
    const struct {
        const char* box;
        QString text;
        const char* said;
    } cases[] = {{"all", "-0.1", "\"all\""},     {"wear", "x", "\"wear\""},   {"samples", "0", "Samples"},
                 {"samples", "1000001", "Samples"}, {"seed", "-1", "seed"},     {"gears", "fwd sideways", "sideways"},
                 {"all", "", "Nothing varies"}};
    for (const auto& c : cases) {
        S<QLineEdit>("all")->setText("0.01");
        S<QLineEdit>("wear")->setText("0");
        S<QLineEdit>("samples")->setText("10");
        S<QLineEdit>("seed")->setText("1");
        S<QLineEdit>("gears")->setText("fwd rev");
        S<QLineEdit>(c.box)->setText(c.text);
        S<QPushButton>("run")->click();
        EXPECT_FALSE(study->Running()) << c.box << " " << c.text.toStdString();
        EXPECT_TRUE(S<QLabel>("status")->text().contains(c.said)) << S<QLabel>("status")->text().toStdString();
    }
    S<QLineEdit>("all")->setText("0.01");
    SetTolerance(12, "-1");
    S<QPushButton>("run")->click();
    EXPECT_FALSE(study->Running());
    EXPECT_TRUE(S<QLabel>("status")->text().contains("dimension 12"));
}

}  // namespace

// Nothing to print before a run; after it the report holds the window's spread and ranking cells
// as shown, the tolerances and wear asked for and the histograms, and an SVG export their texts.
TEST_F(ToleranceStudyWindowTest, ReportHoldsTheRunShownWithWhatWasAsked)
{
    const char* items[] = {"printReport", "previewReport", "exportReport"};
    for (const char* name : items) EXPECT_FALSE(S<QPushButton>(name)->isEnabled());
    S<QLineEdit>("all")->setText("0.005");
    SetTolerance(18, "0.02");
    S<QLineEdit>("wear")->setText("0.002");
    S<QLineEdit>("samples")->setText("30");
    QSignalSpy spy(study, &ToleranceStudyWindow::finished);
    S<QPushButton>("run")->click();
    for (const char* name : items) EXPECT_FALSE(S<QPushButton>(name)->isEnabled());
    ASSERT_TRUE(spy.wait(120000));
    for (const char* name : items) EXPECT_TRUE(S<QPushButton>(name)->isEnabled());

    const HardCopyReport report = study->Report();
    const QString facts = test::Facts(report);
    EXPECT_TRUE(facts.contains("Design: built-in design"));
    EXPECT_TRUE(facts.contains("+-0.005 on 1, 2, 3")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("+-0.02 on 18;")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("Wear at the pins: +-0.002")) << facts.toStdString();
    EXPECT_TRUE(facts.contains("Samples: 30 of 30")) << facts.toStdString();
    ASSERT_EQ(report.tables.size(), 2u);
    EXPECT_EQ(report.tables[0].rows, test::ShownRows(*S<QTableWidget>("spreadTable")));
    EXPECT_EQ(report.tables[1].rows, test::ShownRows(*S<QTableWidget>("rankingTable")));
    ASSERT_TRUE(report.plot.has_value());
    EXPECT_FALSE(report.plot->pageSize.isEmpty());
    EXPECT_EQ(ReportCopy(report).pages, 1) << "the study of all 44 codes and its histograms on one page";
    EXPECT_EQ(ReportCopy(report).pages, 1) << "the study of all 44 codes and its histograms on one page";

    QTemporaryDir dir;
    const QString svg = dir.filePath("study.svg");
    {
        test::ModalAnswers answers(test::ChooseFile(svg));
        S<QPushButton>("exportReport")->click();
        EXPECT_EQ(answers.names, QStringList{"exportDialog"});
    }
    const QByteArray bytes = test::FileBytes(svg);
    EXPECT_TRUE(bytes.contains("<svg"));
    const QStringList fwdCutoff = report.tables[0].rows[3];  // fwd front cut-off
    for (int c : {2, 3, 4}) EXPECT_TRUE(bytes.contains(fwdCutoff[c].toUtf8())) << fwdCutoff[c].toStdString();
    EXPECT_TRUE(bytes.contains(report.tables[1].rows[0][1].toUtf8()));
}
