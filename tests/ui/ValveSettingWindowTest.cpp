// The valve setting window: the report's setting figures, Apply as one undo level, Cancel, bounds that stay sound.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "ReportTestSupport.h"
#include "UiTestSupport.h"
#include "model/analysis/SettingObjective.h"
#include "ui/analysis/FreeDimensionTable.h"
#include "ui/analysis/GoalSensitivity.h"
#include "ui/analysis/ValveSettingWindow.h"

using namespace zeph;

namespace {

class ValveSettingWindowTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        setting = W<ValveSettingWindow>("valveSettingWindow");
        W<QAction>("valveSetting")->trigger();
    }

    // Solves and waits for the result (a generous cap, no fixed wait); returns the longest time,
    // in milliseconds, the event loop went without running a timer while the search ran.
    qint64 SolveAndWait()
    {
        qint64 longest = 0;
        QElapsedTimer sinceBeat;
        QTimer beat;
        beat.setInterval(1);
        QObject::connect(&beat, &QTimer::timeout, [&] {
            if (setting->Solving()) longest = std::max(longest, sinceBeat.restart());
        });
        QSignalSpy spy(setting, &ValveSettingWindow::solved);
        S<QPushButton>("solve")->click();
        EXPECT_TRUE(setting->Solving());
        sinceBeat.start();
        beat.start();
        EXPECT_TRUE(spy.wait(120000));
        return longest;
    }

    // A widget of the setting window itself: other windows have buttons of the same names.
    template <typename T>
    T* S(const QString& name)
    {
        return test::Child<T>(*setting, name);
    }

    QStringList Column(const char* table, int column)
    {
        auto* t = S<QTableWidget>(table);
        QStringList cells;
        for (int r = 0; r < t->rowCount(); ++r) cells << (t->item(r, column) ? t->item(r, column)->text() : "");
        return cells;
    }

    ValveSettingWindow* setting = nullptr;
};

QStringList ReportBlock(const QString& csv, int block)
{
    QStringList rows = csv.split("\n\n")[block].split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    return rows;
}

}  // namespace

// With the default free dimensions (in dialog order: the report's --free 6 --free 18) and goals, Solve keeps the window answering and shows the
// figures the report's setting command prints for the same problem; Apply is one undo level.
TEST_F(ValveSettingWindowTest, SolvesAsTheReportDoesAndAppliesAsOneUndoLevel)
{
    EXPECT_FALSE(setting->isModal());
    // The window answers throughout, also while the effects of the dimensions are shown.
    EXPECT_LT(SolveAndWait(), 500);

    QProcess report;
    report.start(ZEPH_REPORT_PROGRAM, {"setting", "--free", "6", "--free", "18", "--balance", "cutoff@fwd", "--balance",
                                       "cutoff@rev", "--balance", "lead@fwd", "--csv"});
    ASSERT_TRUE(report.waitForFinished(120000));
    const QString csv = QString::fromUtf8(report.readAllStandardOutput());
    const QStringList dims = ReportBlock(csv, 0), goals = ReportBlock(csv, 1), events = ReportBlock(csv, 3);
    ASSERT_EQ(dims.size(), 2);
    const QStringList before = Column("resultTable", 1), after = Column("resultTable", 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(before[i], dims[i].section(',', 2, 2));
        EXPECT_EQ(after[i], dims[i].section(',', 3, 3));
    }
    for (int i = 0; i < 4; ++i) {  // three goals and the objective
        EXPECT_EQ(before[2 + i], goals[i].section(',', 2, 2)) << i;
        EXPECT_EQ(after[2 + i], goals[i].section(',', 3, 3)) << i;
    }
    auto* shown = S<QTableWidget>("resultEvents");
    ASSERT_EQ(shown->rowCount(), events.size());
    for (int r = 0; r < shown->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < shown->columnCount(); ++c) cells << shown->item(r, c)->text();
        EXPECT_EQ(cells.join(','), events[r]);
    }

    const float rod = m.GetDim(18), ecc = m.GetDim(6);
    ASSERT_TRUE(S<QPushButton>("apply")->isEnabled());
    S<QPushButton>("apply")->click();
    EXPECT_EQ(m.GetDim(6), setting->Result()->values[0]);
    EXPECT_EQ(m.GetDim(18), setting->Result()->values[1]);
    EXPECT_NE(m.GetDim(18), rod);
    EXPECT_FALSE(S<QPushButton>("apply")->isEnabled());
    session->Dimensions().Undo();
    EXPECT_EQ(m.GetDim(18), rod);
    EXPECT_EQ(m.GetDim(6), ecc);
}

// Cancel while the search runs (four free dimensions, so that it runs long enough): the
// result is the best point met, within its bounds, never worse than the start, and its
// figures are those of that point.
TEST_F(ValveSettingWindowTest, CancelKeepsAValidBest)
{
    auto* table = S<FreeDimensionTable>("dimensionTable");
    const int codes[] = {6, 7, 18, 117};
    for (int code : codes) table->SetFree(code, true);
    auto* progress = S<QProgressBar>("progress");
    QObject::connect(progress, &QProgressBar::valueChanged, [&](int done) {
        if (done >= 5) S<QPushButton>("cancel")->click();
    });
    SolveAndWait();
    const SettingResult& r = *setting->Result();
    EXPECT_TRUE(r.cancelled);
    EXPECT_LE(r.after.objective, r.before.objective);
    SettingProblem p;
    for (size_t i = 0; i < std::size(codes); ++i) {
        p.free.push_back(DefaultBounds(codes[i], m.GetDim(codes[i])));
        EXPECT_GE(r.values[i], p.free[i].min);
        EXPECT_LE(r.values[i], p.free[i].max);
    }
    p.goals = {{SettingEvent::Cutoff, ChoiceOf(NamedGear::Fwd), true, 0},
               {SettingEvent::Cutoff, ChoiceOf(NamedGear::Rev), true, 0},
               {SettingEvent::Lead, ChoiceOf(NamedGear::Fwd), true, 0}};
    EXPECT_EQ(SettingObjective(m, p).Evaluate(r.values).objective, r.after.objective);
    EXPECT_TRUE(S<QPushButton>("solve")->isEnabled());
}

// A bound that is not a number, or that would pass the other, is refused and shows the bound it
// had; the effects column sorts the dimensions by how much they move the goals.
TEST_F(ValveSettingWindowTest, RefusesBadBoundsAndSortsByEffect)
{
    auto* table = S<FreeDimensionTable>("dimensionTable");
    QTableWidgetItem* min = table->item(table->RowOf(18), FreeDimensionTable::MinColumn);
    const QString had = min->text();
    for (const char* bad : {"abc", "", "5"}) {
        min->setText(bad);
        EXPECT_EQ(table->item(table->RowOf(18), FreeDimensionTable::MinColumn)->text(), had) << bad;
    }
    min->setText("1.7");
    EXPECT_EQ(table->Chosen().back().min, 1.7);  // code 18, after code 6
    // A gear no goal can name, or a weight that is no number, is refused before any search.
    auto* gear = test::Child<QComboBox>(*S<QTableWidget>("goalsTable"), "gear");
    gear->setCurrentText("fwdd");
    S<QPushButton>("solve")->click();
    EXPECT_FALSE(setting->Solving());
    EXPECT_TRUE(S<QLabel>("status")->text().contains("fwdd"));
    gear->setCurrentText("rev:0.5");
    S<QLineEdit>("weight_lead")->setText("-");
    S<QPushButton>("solve")->click();
    EXPECT_FALSE(setting->Solving());
    EXPECT_TRUE(S<QLabel>("status")->text().contains("weight of lead"));
    S<QLineEdit>("weight_lead")->setText("100");

    QSignalSpy shown(setting, &ValveSettingWindow::sensitivityShown);
    ASSERT_TRUE(shown.count() || shown.wait(60000));
    const int effect = table->columnCount() - 1;
    table->sortByColumn(effect, Qt::DescendingOrder);
    ASSERT_FALSE(table->item(0, effect)->text().isEmpty());
    for (int r = 1; r < table->rowCount() && !table->item(r, effect)->text().isEmpty(); ++r)
        EXPECT_GE(table->item(r - 1, effect)->text().toDouble(), table->item(r, effect)->text().toDouble());
}

// Each goal reads the rows of its own gear and is weighted as its event; the effect is the root
// sum of squares of what is known, empty when nothing is.
TEST(GoalEffects, WeighEachGoalFromItsGearsRow)
{
    SensitivityResult s;
    for (const char* gear : {"fwd", "rev"}) {
        SensitivityRow row{5, 1, 0.99f, 1.01f, gear, {}, false, false};
        for (int i = 0; i < EventFigureCount; ++i) row.change[static_cast<size_t>(i)] = (gear[0] == 'f' ? 1 : 10) * (i + 1.0);
        s.rows.push_back(row);
    }
    s.rows.push_back({7, 1, 0.99f, 1.01f, "fwd", {}, false, true});  // no figures at all
    SettingProblem p;
    p.goals = {{SettingEvent::Lead, ChoiceOf(NamedGear::Fwd), true, 0}, {SettingEvent::Cutoff, ChoiceOf(NamedGear::Rev), true, 0}};
    const std::vector<DimensionEffect> e = GoalEffects(s, p);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(*e[0].goals[0], 100 * (1.0 - 2.0));   // lead front - rear in fwd, weight 100
    EXPECT_EQ(*e[0].goals[1], 1 * (40.0 - 80.0));   // cut-off front - rear in rev, weight 1
    EXPECT_DOUBLE_EQ(*e[0].effect, std::hypot(100.0, 40.0));
    EXPECT_FALSE(e[1].effect);
}

// Nothing to print before a result; the report then holds the result and events tables cell for
// cell as the window shows them, with each free dimension's start -> result, on one page.
TEST_F(ValveSettingWindowTest, ReportHoldsTheResultShown)
{
    for (const char* name : {"printReport", "previewReport", "exportReport"}) EXPECT_FALSE(S<QPushButton>(name)->isEnabled());
    SolveAndWait();
    for (const char* name : {"printReport", "previewReport", "exportReport"}) EXPECT_TRUE(S<QPushButton>(name)->isEnabled());

    const HardCopyReport report = setting->Report();
    const QStringList before = Column("resultTable", 1), after = Column("resultTable", 2);
    const QString facts = test::Facts(report);
    EXPECT_TRUE(facts.contains("Design: built-in design"));
    EXPECT_TRUE(facts.contains(QString("6 Ecc Rod Left End %1 -> %2").arg(before[0], after[0]))) << facts.toStdString();
    EXPECT_TRUE(facts.contains(QString("18 Valve Con Rod %1 -> %2").arg(before[1], after[1]))) << facts.toStdString();
    ASSERT_GE(report.tables.size(), 2u);
    EXPECT_EQ(report.tables[0].rows, test::ShownRows(*S<QTableWidget>("resultTable")));
    auto* events = S<QTableWidget>("resultEvents");
    ASSERT_GT(events->rowCount(), 0);
    for (int r = 0; r < events->rowCount(); ++r)
        EXPECT_EQ(test::JoinedRow(report, 1, r, 2), test::ShownRow(*events, r)) << r;
    EXPECT_EQ(ReportCopy(report).pages, 1);
}
