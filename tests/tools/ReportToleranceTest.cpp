// The tolerance command: figures equal to the model's study, the events it starts from, the picture, refusals.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "model/analysis/DimChange.h"
#include "model/analysis/ToleranceStudy.h"
#include "tools/report/Report.h"

namespace zeph::report {
namespace {

using test::Num;
using test::Records;
using test::Report;
using test::Result;

const std::vector<std::string> kStudy = {"tolerance", "--tol", "18=0.01", "--wear", "0.002", "--samples",
                                         "12",        "--step", "1",      "--seed", "5",     "--csv"};

// The spread rows: the CSV up to the blank line before the ranking.
std::vector<test::Record> SpreadRecords(const std::string& csv) { return Records(csv.substr(0, csv.find("\n\n") + 1)); }

TEST(ReportTolerance, FiguresAreTheModelStudysAndNominalIsWhatEventsFinds)
{
    const Result r = Report(kStudy);
    ASSERT_EQ(r.status, ExitOk) << r.err;
    EXPECT_EQ(r.out.rfind("gear,event,nominal,mean,sd,min,max,p05,p95,missing\n", 0), 0u);
    const auto rows = SpreadRecords(r.out);
    ASSERT_EQ(rows.size(), 2u * EventFigureCount);

    MechanismModel m;
    m.StartUp();
    ApplyDimChanges(m, {});
    ToleranceRequest q;
    q.tolerances = {{18, 0.01}};
    q.wear = 0.002;
    q.samples = 12;
    q.seed = 5;
    q.step = 1;
    q.gears = {ChoiceOf(NamedGear::Fwd), ChoiceOf(NamedGear::Rev)};
    const ToleranceResult t = RunToleranceStudy(m, q);
    const auto events = Records(Report({"events", "--gear", "fwd", "--gear", "rev", "--step", "1", "--csv"}).out);
    ASSERT_EQ(events.size(), 2u);
    for (size_t g = 0; g < 2; ++g)
        for (int k = 0; k < EventFigureCount; ++k) {
            const auto& row = rows[g * EventFigureCount + size_t(k)];
            const FigureSpread& s = t.gears[g].figures[k];
            EXPECT_EQ(row.at("gear"), g ? "rev" : "fwd");
            EXPECT_NEAR(Num(row, "mean"), s.Mean(), 5e-5) << row.at("event");
            EXPECT_NEAR(Num(row, "sd"), s.Sd(), 5e-5) << row.at("event");
            EXPECT_NEAR(Num(row, "p95"), s.Percentile(0.95), 5e-5) << row.at("event");
            EXPECT_EQ(row.at("missing"), std::to_string(s.Missing()));
            EXPECT_EQ(row.at("nominal"), events[g].at(row.at("event"))) << row.at("event");
        }
    // The same seed again gives the same bytes; another seed other figures.
    EXPECT_EQ(Report(kStudy).out, r.out);
    std::vector<std::string> other = kStudy;
    other[10] = "6";
    EXPECT_NE(Report(other).out, r.out);
}

TEST(ReportTolerance, WritesTheHistogramsAndRanksTheValveRodFirst)
{
    QTemporaryDir dir;
    const std::string png = dir.filePath("spread.png").toStdString();
    std::vector<std::string> args = {"tolerance", "--tol", "18=0.01", "--tol", "103=1", "--samples", "8",
                                     "--step",    "2",     "--gear",  "fwd",   "--png", png};
    const Result r = Report(args);
    ASSERT_EQ(r.status, ExitOk) << r.err;
    const auto share = r.out.find("share %");
    ASSERT_NE(share, std::string::npos);
    EXPECT_LT(r.out.find("\n18 ", share), r.out.find("\n103 ", share));
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 4 * 50);  // the nominal line through each of the four plots

    args.back() = dir.filePath("missing/spread.png").toStdString();
    EXPECT_EQ(Report(args).status, ExitWriteFailed);
}

// A radius hanger off by hundreds of units leaves the linkage open: every sample missing, exit 1.
TEST(ReportTolerance, SamplesThatCannotCloseCountAsMissingAndWarn)
{
    const Result r = Report({"tolerance", "--tol", "8=200", "--samples", "4", "--step", "2", "--gear", "fwd", "--csv"});
    EXPECT_EQ(r.status, ExitMechanismError);
    EXPECT_NE(r.err.find("gear fwd: the linkage could not close in 4 of 4 samples"), std::string::npos) << r.err;
    for (const auto& row : SpreadRecords(r.out)) {
        EXPECT_EQ(row.at("missing"), "4");
        EXPECT_EQ(row.at("mean"), "");
        EXPECT_NE(row.at("nominal"), "");
    }
}

TEST(ReportTolerance, RefusesWhatCannotBeStudied)
{
    for (const auto& [args, culprit] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"tolerance"}, "--tol"},
             {{"tolerance", "--tol", "18=-0.1"}, "negative"},
             {{"tolerance", "--all", "-1"}, "negative"},
             {{"tolerance", "--wear", "-0.01"}, "negative"},
             {{"tolerance", "--tol", "99=0.1"}, "'99'"},
             {{"tolerance", "--tol", "18"}, "CODE=T"},
             {{"tolerance", "--tol", "18=0.1", "--tol", "18=0.2"}, "more than once"},
             {{"tolerance", "--all", "0.1", "--samples", "0"}, "'0'"},
             {{"tolerance", "--all", "0.1", "--samples", "1000001"}, "'1000001'"},
             {{"tolerance", "--all", "0.1", "--samples", "2.5"}, "'2.5'"},
             {{"tolerance", "--all", "0.1", "--seed", "-1"}, "'-1'"},
             {{"tolerance", "--all", "0.1", "--angle", "3"}, "--angle"},
         }) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitUsage) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_NE(r.err.find(culprit), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace zeph::report
