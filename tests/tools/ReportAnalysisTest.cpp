// The sensitivity and setting commands: their tables, results the events command confirms, the saved design, refusals.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "ReportTestSupport.h"
#include "tools/report/Report.h"

namespace zeph::report {
namespace {

using test::Num;
using test::Record;
using test::Records;
using test::Report;
using test::Result;

// The setting CSV's sections, which blank lines part: dimensions, goals, run, events.
std::vector<std::vector<Record>> Sections(const std::string& csv)
{
    std::vector<std::vector<Record>> sections;
    size_t first = 0;
    while (first < csv.size()) {
        const size_t blank = std::min(csv.find("\n\n", first), csv.size());
        sections.push_back(Records(csv.substr(first, blank + 1 - first)));
        first = blank + 2;
    }
    return sections;
}

const std::vector<std::string> kSetting = {"setting",        "--free",    "18",      "--free",
                                           "6",              "--balance", "cutoff@fwd", "--balance",
                                           "cutoff@rev",     "--balance", "lead@fwd",   "--step",
                                           "0.5",            "--csv"};

// The events columns of a row, without what only one of the two commands writes.
Record EventColumns(Record r)
{
    r.erase("stage");
    return r;
}

TEST(ReportSetting, ResultIsWhatEventsFindsWithTheNewValues)
{
    const Result r = Report(kSetting);
    ASSERT_EQ(r.status, ExitOk) << r.err;
    const auto sections = Sections(r.out);
    ASSERT_EQ(sections.size(), 4u);
    const auto& dims = sections[0];
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_EQ(dims[0].at("start"), "1.773");
    EXPECT_GE(Num(dims[0], "result"), Num(dims[0], "min"));
    EXPECT_LE(Num(dims[0], "result"), Num(dims[0], "max"));
    const Record objective = sections[1].back();
    EXPECT_LT(Num(objective, "after"), Num(objective, "before") / 4);

    std::vector<std::string> events = {"events", "--step", "0.5", "--gear", "fwd", "--gear", "rev", "--csv"};
    for (const Record& d : dims) events.insert(events.end(), {"--set", d.at("code") + "=" + d.at("result")});
    const Result check = Report(events);
    ASSERT_EQ(check.status, ExitOk);
    const auto confirmed = Records(check.out);
    const auto& rows = sections[3];
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at("stage"), "before");
    EXPECT_EQ(rows[2].at("stage"), "after");
    EXPECT_EQ(EventColumns(rows[2]), confirmed[0]);
    EXPECT_EQ(EventColumns(rows[3]), confirmed[1]);
    // The balance residual is the printed events' front - rear.
    EXPECT_NEAR(Num(sections[1][0], "after"), Num(confirmed[0], "front_cutoff") - Num(confirmed[0], "rear_cutoff"),
                1e-4);
}

TEST(ReportSetting, WritesTheSetDesignOrSaysWhyNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string saved = dir.filePath("set.dzg").toStdString();
    std::vector<std::string> args = kSetting;
    args.insert(args.end(), {"--write", saved});
    const Result r = Report(args);
    ASSERT_EQ(r.status, ExitOk) << r.err;
    const Result reopened = Report({"events", "--design", saved, "--step", "0.5", "--gear", "fwd", "--csv"});
    ASSERT_EQ(reopened.status, ExitOk) << reopened.err;
    EXPECT_EQ(EventColumns(Sections(r.out)[3][2]), Records(reopened.out)[0]);

    args.back() = dir.filePath("no/such/folder/set.dzg").toStdString();
    const Result failed = Report(args);
    EXPECT_EQ(failed.status, ExitWriteFailed);
    EXPECT_NE(failed.err.find("could not write the design"), std::string::npos) << failed.err;
}

TEST(ReportSetting, AStartThatCannotCloseIsNotTrusted)
{
    const Result r = Report({"setting", "--set", "3=-10", "--free", "18", "--balance", "cutoff@fwd", "--step", "5"});
    EXPECT_EQ(r.status, ExitMechanismError);
    EXPECT_NE(r.err.find("cannot be trusted"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("infeasible"), std::string::npos) << r.out;
}

TEST(ReportSensitivity, OneRowPerCodeAndGearInTheOrderAsked)
{
    const Result r = Report({"sensitivity", "--codes", "18,117", "--gear", "fwd", "--rev", "-0.5", "--step", "0.5",
                             "--csv"});
    ASSERT_EQ(r.status, ExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "code,name,value,gear,lead_front,lead_rear,front_admission,front_cutoff,front_release,"
              "front_compression,rear_admission,rear_cutoff,rear_release,rear_compression");
    const auto rows = Records(r.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at("code") + rows[0].at("gear") + rows[1].at("gear") + rows[2].at("code"), "18fwdrev:-0.5117");
    EXPECT_EQ(rows[0].at("name"), "Valve Con Rod");
    EXPECT_EQ(rows[0].at("value"), "1.7730");
    // A longer valve rod moves the valve as a whole: more lead at the front, less at the rear.
    EXPECT_NEAR(Num(rows[0], "lead_front"), 0.01, 0.001);
    EXPECT_NEAR(Num(rows[0], "lead_rear"), -0.01, 0.001);
}

TEST(ReportAnalysisRefusals, EachBadInputGivesOneLineAndStatus2)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"sensitivity", "--codes", "6,99"}, "'99'"},
        {{"sensitivity", "--delta", "0"}, "--delta"},
        {{"setting", "--balance", "cutoff@fwd"}, "--free"},
        {{"setting", "--free", "18"}, "goal"},
        {{"setting", "--free", "18=2:1", "--balance", "cutoff@fwd"}, "MIN below MAX"},
        {{"setting", "--free", "18=1.8:2", "--balance", "cutoff@fwd"}, "outside its bounds"},
        {{"setting", "--free", "18", "--balance", "cut@fwd"}, "'cut'"},
        {{"setting", "--free", "18", "--target", "lead@sideways=0"}, "'sideways'"},
        {{"setting", "--free", "18", "--balance", "lead@fwd", "--write", "set.txt"}, "'set.txt'"},
    };
    for (const auto& [args, culprit] : cases) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitUsage) << args.back();
        EXPECT_TRUE(r.out.empty()) << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(culprit), std::string::npos) << r.err << " lacks " << culprit;
    }
}

}  // namespace
}  // namespace zeph::report
