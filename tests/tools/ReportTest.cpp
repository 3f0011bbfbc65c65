// The report companion end to end: refusals, output shapes and the figures it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "tools/report/Report.h"

namespace zeph::report {
namespace {

using test::Report;
using test::Result;

std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!text.empty() && text.back() == sep) parts.emplace_back();
    return parts;
}

// CSV rows keyed by column name.
std::vector<std::map<std::string, std::string>> Records(const std::string& csv)
{
    const auto lines = Split(csv, '\n');
    const auto header = Split(lines.at(0), ',');
    std::vector<std::map<std::string, std::string>> records;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto fields = Split(lines[i], ',');
        EXPECT_EQ(fields.size(), header.size()) << lines[i];
        std::map<std::string, std::string> rec;
        for (size_t c = 0; c < header.size() && c < fields.size(); ++c) rec[header[c]] = fields[c];
        records.push_back(rec);
    }
    return records;
}

double Num(const std::map<std::string, std::string>& rec, const std::string& key)
{
    const std::string& s = rec.at(key);
    EXPECT_FALSE(s.empty()) << key;
    return std::strtod(s.c_str(), nullptr);
}

std::vector<std::map<std::string, std::string>> EventsCsv(std::vector<std::string> extra)
{
    std::vector<std::string> args = {"events", "--csv"};
    args.insert(args.end(), extra.begin(), extra.end());
    const Result r = Report(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return Records(r.out);
}

const char* const kEventsHeader =
    "gear,rev_arm,direction,travel_min,travel_max,lead_front,lead_rear,front_admission,front_cutoff,"
    "front_release,front_compression,rear_admission,rear_cutoff,rear_release,rear_compression\n";

TEST(ReportRefusals, EachBadInputGivesOneLineAndStatus2)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"frobnicate"}, "'frobnicate'"},
        {{"events", "--bogus"}, "'--bogus'"},
        {{"events", "stray"}, "'stray'"},
        {{"events", "--gear", "sideways"}, "'sideways'"},
        {{"events", "--set", "99=1"}, "'99'"},
        {{"events", "--set", "x=1"}, "'x'"},
        {{"events", "--set", "2"}, "'2'"},
        {{"events", "--set", "2="}, "--set 2"},
        {{"events", "--set", "2=3.5mm"}, "'3.5mm'"},
        {{"events", "--set", "2=1e40"}, "'1e40'"},
        {{"events", "--step", "nan"}, "'nan'"},
        {{"events", "--step", "inf"}, "'inf'"},
        {{"events", "--step", ""}, "--step"},
        {{"events", "--step", "0.5x"}, "'0.5x'"},
        {{"events", "--step", " 1"}, "' 1'"},
        {{"events", "--step", "0"}, "'0'"},
        {{"events", "--step", "-1"}, "'-1'"},
        {{"events", "--step", "0.0001"}, "'0.0001'"},
        {{"events", "--step", "1", "--step", "2"}, "--step"},
        {{"events", "--step"}, "--step"},
        {{"events", "--rev", "+-1"}, "'+-1'"},
        {{"events", "--rev", "0x10"}, "'0x10'"},
        {{"events", "--rev", "1e300"}, "'1e300'"},
        {{"events", "--angle", "5"}, "--angle"},
        {{"events", "--csv=yes"}, "--csv"},
        {{"pivots", "--gear", "mid", "--angle", "1", "--step", "2"}, "--angle"},
        {{"pivots", "--angle", "1"}, "--gear"},
        {{"pivots", "--gear", "mid", "--rev", "1"}, "--rev"},
        {{"pivots", "--gear", "mid", "--angle", "1e999"}, "'1e999'"},
        {{"events", "--set", "24=8.4", "--set", "23=3.81"}, "mid gear"},
    };
    for (const auto& [args, culprit] : cases) {
        const Result r = Report(args);
        const std::string line = args.back();
        EXPECT_EQ(r.status, ExitUsage) << line;
        EXPECT_TRUE(r.out.empty()) << line;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("zepharin-report: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(culprit), std::string::npos) << r.err << " lacks " << culprit;
    }
}

TEST(ReportUsage, HelpGoesToStdout)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"help"}, {"events", "--help"}, {"pivots", "--gear", "mid", "-h"}}) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitOk);
        EXPECT_NE(r.out.find("Usage: zepharin-report"), std::string::npos);
        EXPECT_NE(r.out.find("first met"), std::string::npos);
        EXPECT_TRUE(r.err.empty());
    }
}

TEST(ReportEvents, CsvOfTheFiveGears)
{
    const Result r = Report({"events", "--csv"});
    ASSERT_EQ(r.status, ExitOk) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), kEventsHeader);
    const auto rows = Records(r.out);
    ASSERT_EQ(rows.size(), 5u);
    const char* names[] = {"mid", "fwd", "fwdmax", "rev", "revmax"};
    const char* dirs[] = {"Fwd", "Fwd", "Fwd", "Rev", "Rev"};
    const double offsets[] = {0, 1.04, 1.3, -1.04, -1.3};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].at("gear"), names[i]);
        EXPECT_EQ(rows[i].at("direction"), dirs[i]);
        EXPECT_NEAR(Num(rows[i], "rev_arm"), 3.7693 + offsets[i], 0.00015) << names[i];
    }
    const auto& mid = rows[0];
    EXPECT_NEAR(Num(mid, "front_cutoff"), 3.9, 0.05);
    EXPECT_NEAR(Num(mid, "rear_cutoff"), 3.4, 0.05);
    EXPECT_NEAR(Num(mid, "travel_min"), -0.186, 0.0006);
    EXPECT_NEAR(Num(mid, "travel_max"), 0.181, 0.0006);
    EXPECT_NEAR(Num(mid, "lead_front"), 0.024, 0.0006);
    const auto& fwd = rows[1];
    EXPECT_NEAR(Num(fwd, "front_cutoff"), 77.6, 0.05);
    EXPECT_NEAR(Num(fwd, "rear_cutoff"), 72.7, 0.05);
    EXPECT_NEAR(Num(fwd, "travel_min"), -0.333, 0.0006);
    EXPECT_NEAR(Num(fwd, "travel_max"), 0.319, 0.0006);
    EXPECT_NEAR(Num(rows[2], "front_cutoff"), 85.4, 0.05);
    EXPECT_NEAR(Num(rows[2], "rear_cutoff"), 81.4, 0.05);
    // In forward gear the port opens just before dead centre, then release comes late in the stroke.
    EXPECT_LT(Num(fwd, "front_admission"), 1.0);
    EXPECT_GT(Num(fwd, "front_release"), Num(fwd, "front_cutoff"));
    EXPECT_GT(Num(fwd, "rear_release"), Num(fwd, "rear_cutoff"));
}

// Behind mid gear the driver turns backwards; a forward sweep would find nonsense cut-offs near 0.
TEST(ReportEvents, ReverseGearsSweepBackwards)
{
    for (const auto& rec : EventsCsv({"--gear", "rev", "--gear", "revmax"})) {
        EXPECT_EQ(rec.at("direction"), "Rev");
        for (const char* key : {"front_admission", "front_cutoff", "front_release", "front_compression",
                                "rear_admission", "rear_cutoff", "rear_release", "rear_compression"})
            EXPECT_FALSE(rec.at(key).empty()) << rec.at("gear") << " " << key;
        EXPECT_GT(Num(rec, "front_cutoff"), 70.0) << rec.at("gear");
        EXPECT_GT(Num(rec, "rear_cutoff"), 70.0) << rec.at("gear");
        EXPECT_LT(Num(rec, "front_admission"), 1.0) << rec.at("gear");
    }
}

TEST(ReportEvents, GearsByOffsetInTheOrderGiven)
{
    const auto rows = EventsCsv({"--gear", "mid", "--rev", "0", "--rev", "-0.25", "--gear=fwd", "--rev", "+1.04"});
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].at("gear"), "rev:0");
    EXPECT_EQ(rows[2].at("gear"), "rev:-0.25");
    EXPECT_EQ(rows[2].at("direction"), "Rev");
    EXPECT_EQ(rows[3].at("gear"), "fwd");
    EXPECT_EQ(rows[4].at("gear"), "rev:+1.04");
    auto mid = rows[0], zero = rows[1];
    mid.erase("gear");
    zero.erase("gear");
    EXPECT_EQ(zero, mid);
    auto fwd = rows[3], offset = rows[4];
    fwd.erase("gear");
    offset.erase("gear");
    EXPECT_EQ(offset, fwd);
}

TEST(ReportEvents, DimensionChangesApplyInOrderBeforeMidGear)
{
    const auto base = EventsCsv({"--gear", "fwd"}).at(0);
    const auto changed = EventsCsv({"--gear", "fwd", "--set", "2=3.5"}).at(0);
    EXPECT_GT(std::abs(Num(changed, "front_cutoff") - Num(base, "front_cutoff")), 0.5);
    EXPECT_EQ(EventsCsv({"--gear", "fwd", "--set", "2=5", "--set=2=3.5"}).at(0), changed);
    // Moving the reverse-arm fulcrum moves mid gear with it.
    const auto moved = EventsCsv({"--gear", "mid", "--set", "24=4"}).at(0);
    EXPECT_GT(std::abs(Num(moved, "rev_arm") - 3.7693), 0.01);
}

// With a coarse step the admission just before dead centre is only met on the step back to 360.
TEST(ReportEvents, TheTurnEndsOn360AndMissingEventsStayEmpty)
{
    const auto coarse = EventsCsv({"--gear", "fwd", "--step", "45"}).at(0);
    EXPECT_FALSE(coarse.at("front_admission").empty());
    const Result none = Report({"events", "--csv", "--gear", "fwd", "--step", "360"});
    EXPECT_NE(none.out.find("fwd,4.8093,Fwd,"), std::string::npos);
    EXPECT_NE(none.out.find(",,,,,,,\n"), std::string::npos) << none.out;
}

TEST(ReportEvents, TableHasTitleAndAlignedRows)
{
    const Result r = Report({"events", "--gear", "mid", "--gear", "fwd", "--step", "360"});
    ASSERT_EQ(r.status, ExitOk);
    const auto lines = Split(r.out, '\n');
    ASSERT_GE(lines.size(), 7u);
    EXPECT_NE(lines[0].find("Valve events"), std::string::npos);
    EXPECT_NE(lines[1].find("percent of stroke"), std::string::npos);
    EXPECT_NE(lines[4].find("cut-off"), std::string::npos);
    EXPECT_EQ(lines[5].rfind("mid ", 0), 0u);
    EXPECT_EQ(lines[6].rfind("fwd ", 0), 0u);
    EXPECT_NE(lines[6].find(" - "), std::string::npos);
    for (size_t i = 3; i <= 6; ++i) EXPECT_EQ(lines[i].size(), lines[4].size()) << lines[i];
}

TEST(ReportPivots, MidGearAtZeroMatchesTheKnownLinkage)
{
    const Result r = Report({"pivots", "--gear", "mid", "--angle", "0", "--csv"});
    ASSERT_EQ(r.status, ExitOk) << r.err;
    std::string header = "angle";
    for (int i = 0; i <= 20; ++i) header += ",x" + std::to_string(i) + ",y" + std::to_string(i);
    header += ",rad_hanger_deg,valve_travel,front_steam,front_exhaust,rear_steam,rear_exhaust,piston_travel,error\n";
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), header);
    const auto rows = Records(r.out);
    ASSERT_EQ(rows.size(), 1u);
    const auto& rec = rows[0];
    const struct {
        int pivot;
        double x, y;
    } known[] = {{2, 1.5, 0},        {3, 11.5, 0},       {4, 13.003, 2.25},  {5, 11.231, 2.318},
                 {8, 10.008, 3.301}, {9, 9.892, 0.117},  {10, 8.398, 0.25},  {11, -0.039, 0.999},
                 {13, 8.4, 3.81},    {14, 8.392, 4.49},  {15, 3.783, 4.439}, {18, 3.769, 4.819}};
    for (const auto& k : known) {
        EXPECT_NEAR(Num(rec, "x" + std::to_string(k.pivot)), k.x, 0.0006) << k.pivot;
        EXPECT_NEAR(Num(rec, "y" + std::to_string(k.pivot)), k.y, 0.0006) << k.pivot;
    }
    EXPECT_NEAR(Num(rec, "front_steam"), 0.024, 0.0006);
    EXPECT_EQ(rec.at("piston_travel"), "0.0000");
    EXPECT_EQ(rec.at("error"), "0");
}

TEST(ReportPivots, WholeTurnIncludes360)
{
    const auto rows = Records(Report({"pivots", "--rev", "0", "--step", "7", "--csv"}).out);
    ASSERT_EQ(rows.size(), 53u);
    EXPECT_EQ(rows[51].at("angle"), "357.0000");
    EXPECT_EQ(rows[52].at("angle"), "360.0000");
    EXPECT_EQ(rows[52].at("x2"), rows[0].at("x2"));
    EXPECT_EQ(Records(Report({"pivots", "--gear", "fwd", "--csv"}).out).size(), 37u);
    const Result table = Report({"pivots", "--gear", "rev", "--step", "90"});
    EXPECT_NE(table.out.find("Rev"), std::string::npos);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 3 + 1 + 5);  // title, units, gap, header, rows
}

TEST(ReportPivots, DimensionChangeReachesTheLinkage)
{
    const auto rec = Records(Report({"pivots", "--gear", "mid", "--angle", "0", "--set", "2=3.5", "--csv"}).out).at(0);
    EXPECT_EQ(rec.at("x2"), "1.7500");
    EXPECT_NEAR(Num(rec, "x3"), 11.75, 1e-4);
}

// A linkage that cannot close still gives complete output, a warning and status 1.
TEST(ReportErrors, UnclosableLinkageIsFlagged)
{
    const Result pivots = Report({"pivots", "--gear", "mid", "--step", "90", "--set", "3=0.5", "--csv"});
    EXPECT_EQ(pivots.status, ExitMechanismError);
    const auto rows = Records(pivots.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].at("error"), "0");
    EXPECT_EQ(rows[1].at("error"), "1");
    EXPECT_NE(pivots.err.find("2 of 5"), std::string::npos) << pivots.err;

    const Result events = Report({"events", "--gear", "mid", "--gear", "fwd", "--set", "3=0.5"});
    EXPECT_EQ(events.status, ExitMechanismError);
    EXPECT_NE(events.out.find("fwd"), std::string::npos);
    EXPECT_NE(events.err.find("gear mid"), std::string::npos);
    EXPECT_NE(events.err.find("gear fwd"), std::string::npos);
}

TEST(ReportErrors, FailedWriteIsNotSuccess)
{
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunReport({"events", "--gear", "mid", "--step", "10"}, out, err), ExitWriteFailed);
    EXPECT_NE(err.str().find("could not write"), std::string::npos);
}

}  // namespace
}  // namespace zeph::report
