// The report's diagram commands: port events rows, steam cut-offs and diagram pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "model/diagrams/DiagramPositions.h"
#include "model/diagrams/SteamIndicator.h"
#include "render/diagrams/DiagramPainter.h"
#include "ReportTestSupport.h"
#include "tools/report/Report.h"

namespace zeph::report {
namespace {

using test::Num;
using test::Record;
using test::Records;
using test::Report;
using test::Result;
using test::Split;

std::vector<std::string> Repeat(std::vector<std::string> args, const std::vector<std::string>& part, int times)
{
    for (int i = 0; i < times; ++i) args.insert(args.end(), part.begin(), part.end());
    return args;
}

// A scratch folder for pictures, removed with the test.
struct ScratchDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("zeph-report-test-" + std::to_string(::getpid()));
    ScratchDir() { std::filesystem::create_directories(path); }
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return (path / name).string(); }
};

const char* const kPortsHeader =
    "row,rev_arm,front_steam_opens,front_exhaust_opens,rear_steam_opens,rear_exhaust_opens,front_steam_closes,"
    "front_exhaust_closes,rear_steam_closes,rear_exhaust_closes\n";

TEST(ReportDiagramRefusals, EachBadInputGivesOneLineAndStatus2)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"ports", "--gear", "mid"}, "--gear"},
        {{"ports", "--step", "1"}, "--step"},
        {{"ports", "--reverse=yes"}, "--reverse"},
        {{"steam", "--reverse"}, "--reverse"},
        {{"steam", "--png", "x.png"}, "--png"},
        {Repeat({"steam"}, {"--gear", "mid"}, 10), "nine"},
        {{"diagram"}, "kind"},
        {{"diagram", "circle", "--png", "x.png"}, "'circle'"},
        {{"diagram", "--png", "x.png"}, "'--png'"},
        {{"diagram", "sine"}, "--png"},
        {{"diagram", "sine", "--png"}, "--png"},
        {{"diagram", "sine", "--png", ""}, "--png"},
        {{"diagram", "sine", "--png", "a.png", "--png", "b.png"}, "--png"},
        {{"diagram", "ports", "--png", "x.png", "--rev", "1"}, "--rev"},
        {{"diagram", "steam", "--png", "x.png", "--vscale", "2"}, "--vscale"},
        {{"diagram", "sine", "--png", "x.png", "--graph", "both"}, "--graph"},
        {{"diagram", "ports", "--png", "x.png", "--graph", "sideways"}, "'sideways'"},
        {{"diagram", "sine", "--png", "x.png", "--vscale", "0.05"}, "'0.05'"},
        {{"diagram", "sine", "--png", "x.png", "--vscale", "nan"}, "'nan'"},
        {{"diagram", "sine", "--png", "x.png", "--csv"}, "--csv"},
        {Repeat({"diagram", "oval", "--png", "x.png"}, {"--rev", "0.1"}, 10), "nine"},
    };
    for (const auto& [args, culprit] : cases) {
        const Result r = Report(args);
        const std::string line = args.size() > 1 ? args[0] + " " + args[1] : args[0];
        EXPECT_EQ(r.status, ExitUsage) << line;
        EXPECT_TRUE(r.out.empty()) << line;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("zepharin-report: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(culprit), std::string::npos) << r.err << " lacks " << culprit;
    }
}

TEST(ReportDiagramRefusals, HelpWinsAnywhere)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"diagram", "--help"}, {"diagram", "sine", "-h"}, {"ports", "--bogus", "--help"}, {"steam", "-h"}}) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitOk);
        EXPECT_NE(r.out.find("zepharin-report diagram sine|oval|steam|ports"), std::string::npos);
        EXPECT_TRUE(r.err.empty());
    }
}

TEST(ReportPorts, NineteenRowsFromMidGearToFullGear)
{
    const Result r = Report({"ports", "--csv"});
    ASSERT_EQ(r.status, ExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), kPortsHeader);
    const auto rows = Records(r.out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[0].at("row"), "0");
    EXPECT_EQ(rows[0].at("rev_arm"), "3.7693");
    EXPECT_EQ(rows[18].at("rev_arm"), "5.0693");
    for (const Record& rec : rows)
        for (const auto& [key, value] : rec) EXPECT_FALSE(value.empty()) << rec.at("row") << " " << key;
    // Cut-offs of the fine events sweep, met here in 4 degree steps.
    EXPECT_NEAR(Num(rows[0], "front_steam_closes"), 3.9, 0.3);
    EXPECT_NEAR(Num(rows[0], "rear_steam_closes"), 3.4, 0.3);
    EXPECT_NEAR(Num(rows[18], "front_steam_closes"), 85.4, 0.3);
    EXPECT_NEAR(Num(rows[18], "rear_steam_closes"), 81.4, 0.3);
    // Later cut-off with more gear.
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_GT(Num(rows[i], "front_steam_closes"), Num(rows[i - 1], "front_steam_closes"));

    const auto reverse = Records(Report({"ports", "--reverse", "--csv"}).out);
    ASSERT_EQ(reverse.size(), 19u);
    EXPECT_EQ(reverse[18].at("rev_arm"), "2.4693");
    EXPECT_NEAR(Num(reverse[18], "front_steam_closes"), Num(rows[18], "front_steam_closes"), 3.0);
}

TEST(ReportPorts, EventsNotMetStayEmptyOrDashed)
{
    // A wide steam lap (inside edge 0.9): no steam reaches the ports near mid gear.
    const auto rows = Records(Report({"ports", "--set", "114=0.9", "--csv"}).out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_TRUE(rows[0].at("front_steam_opens").empty());
    EXPECT_TRUE(rows[0].at("front_steam_closes").empty());
    EXPECT_FALSE(rows[18].at("front_steam_opens").empty());
    EXPECT_FALSE(rows[0].at("front_exhaust_opens").empty());

    const Result table = Report({"ports", "--set", "114=0.9"});
    ASSERT_EQ(table.status, ExitOk);
    const auto lines = Split(table.out, '\n');
    ASSERT_GE(lines.size(), 24u);
    EXPECT_NE(lines[0].find("Port events"), std::string::npos);
    EXPECT_NE(lines[4].find("steam closes"), std::string::npos);
    EXPECT_EQ(lines[5].rfind("0 ", 0), 0u);
    EXPECT_NE(lines[5].find(" - "), std::string::npos);
    for (size_t i = 3; i <= 23; ++i) EXPECT_EQ(lines[i].size(), lines[4].size()) << lines[i];
}

TEST(ReportSteam, TheDiagramsStartUpListByDefault)
{
    const Result r = Report({"steam", "--csv"});
    ASSERT_EQ(r.status, ExitOk) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "position,rev_arm,direction,front_cutoff,rear_cutoff\n");
    const auto rows = Records(r.out);
    ASSERT_EQ(rows.size(), 3u);
    const char* names[] = {"mid", "fwd", "rev"};
    const char* dirs[] = {"Fwd", "Fwd", "Rev"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].at("position"), names[i]);
        EXPECT_EQ(rows[i].at("direction"), dirs[i]);
    }
    // The same figures the steam diagram marks with the same list.
    MechanismModel m;
    m.StartUp();
    TidyDiagramPositions(m);
    const SteamDiagramData d = ComputeSteamDiagram(m);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(Num(rows[i], "front_cutoff"), double(*d.runs[i].frontCutoff), 5e-5) << names[i];
        EXPECT_NEAR(Num(rows[i], "rear_cutoff"), double(*d.runs[i].rearCutoff), 5e-5) << names[i];
    }
    EXPECT_NEAR(Num(rows[1], "front_cutoff"), 77.6, 1.0);
    EXPECT_NEAR(Num(rows[1], "rear_cutoff"), 72.7, 1.0);
}

TEST(ReportSteam, OneContinuousRunInTheOrderGiven)
{
    const auto list = Records(Report({"steam", "--csv", "--gear", "mid", "--gear", "fwd", "--rev", "-1.04"}).out);
    const auto defaults = Records(Report({"steam", "--csv"}).out);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].at("position"), "rev:-1.04");
    EXPECT_EQ(list[2].at("front_cutoff"), defaults[2].at("front_cutoff"));
    const auto nine = Records(Report(Repeat({"steam", "--csv"}, {"--gear", "fwdmax"}, 9)).out);
    EXPECT_EQ(nine.size(), 9u);

    const Result table = Report({"steam", "--gear", "fwd"});
    EXPECT_NE(table.out.find("steam indicator"), std::string::npos);
    EXPECT_NE(table.out.find("fwd "), std::string::npos);
}

TEST(ReportErrors, DiagramSweepsOfAnUnclosableLinkage)
{
    const Result ports = Report({"ports", "--set", "3=0.5", "--csv"});
    EXPECT_EQ(ports.status, ExitMechanismError);
    EXPECT_EQ(Records(ports.out).size(), 19u);
    EXPECT_NE(ports.err.find("warning"), std::string::npos);
    const Result steam = Report({"steam", "--set", "3=0.5", "--csv"});
    EXPECT_EQ(steam.status, ExitMechanismError);
    EXPECT_EQ(Records(steam.out).size(), 3u);
}

// A negative main rod bends no guard (the solver squares it) but sends the piston out of its
// cylinder: the figures cannot stand, as for events and pivots.
TEST(ReportErrors, DiagramFiguresOfAPistonOutsideItsStrokeAreNoSuccess)
{
    for (const char* command : {"ports", "steam"}) {
        const Result r = Report({command, "--set", "3=-10", "--csv"});
        EXPECT_EQ(r.status, ExitMechanismError) << command;
        EXPECT_NE(r.err.find("warning"), std::string::npos) << command;
    }
    EXPECT_EQ(Report({"ports", "--csv"}).status, ExitOk);
}

// The picture as the diagram window draws it, for comparison with the file.
QImage WindowPicture(DiagramKind kind, PortsMode mode, const std::vector<float>& list, float vscale)
{
    MechanismModel m;
    m.StartUp();
    TidyDiagramPositions(m);
    if (!list.empty()) {
        for (int k = 1; k <= MaxDiagramPositions; ++k) m.DiagramRevArmPos[k] = k <= int(list.size()) ? list[k - 1] : 0;
        TidyDiagramPositions(m);
    }
    m.DiagramVScale = vscale;
    QString undo;
    return PaintDiagramImage(m, ComputeDiagram(m, kind, mode), undo);
}

TEST(ReportDiagram, WritesTheWindowsPixels)
{
    ScratchDir dir;
    const Result sine =
        Report({"diagram", "sine", "--png", dir.File("sine.png"), "--gear", "fwdmax", "--rev", "0", "--vscale", "2"});
    ASSERT_EQ(sine.status, ExitOk) << sine.err;
    EXPECT_TRUE(sine.out.empty());
    EXPECT_TRUE(sine.err.empty()) << sine.err;
    MechanismModel m;
    m.StartUp();
    const QImage file(QString::fromStdString(dir.File("sine.png")));
    const QImage window = WindowPicture(DiagramKind::Sine, PortsMode::Forward,
                                        {m.RevArmCentre + m.Frame.RevArmMax, m.RevArmCentre}, 2.0f);
    ASSERT_EQ(file.size(), QSize(632, 414));
    EXPECT_TRUE(file.convertToFormat(QImage::Format_RGB32) == window);

    ASSERT_EQ(Report({"diagram", "oval", "--png", dir.File("oval.png")}).status, ExitOk);
    const QImage oval(QString::fromStdString(dir.File("oval.png")));
    EXPECT_EQ(oval.size(), QSize(632, 426));
    EXPECT_TRUE(oval.convertToFormat(QImage::Format_RGB32) == WindowPicture(DiagramKind::Oval, PortsMode::Forward, {}, 1.5f));

    ASSERT_EQ(Report({"diagram", "ports", "--png", dir.File("ports.png"), "--graph", "both"}).status, ExitOk);
    const QImage ports(QString::fromStdString(dir.File("ports.png")));
    EXPECT_TRUE(ports.convertToFormat(QImage::Format_RGB32) == WindowPicture(DiagramKind::Ports, PortsMode::Both, {}, 1.5f));

    ASSERT_EQ(Report({"diagram", "steam", "--png", dir.File("steam.png")}).status, ExitOk);
    const QImage steam(QString::fromStdString(dir.File("steam.png")));
    EXPECT_TRUE(steam.convertToFormat(QImage::Format_RGB32) == WindowPicture(DiagramKind::Steam, PortsMode::Forward, {}, 1.5f));
}

TEST(ReportDiagram, UnwritableFileIsNotSuccess)
{
    ScratchDir dir;
    const Result r = Report({"diagram", "steam", "--png", dir.File("missing/folder/steam.png")});
    EXPECT_EQ(r.status, ExitWriteFailed);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("could not write"), std::string::npos);
    const Result bent = Report({"diagram", "oval", "--png", dir.File("bent.png"), "--set", "3=0.5"});
    EXPECT_EQ(bent.status, ExitMechanismError);
    EXPECT_TRUE(std::filesystem::exists(dir.File("bent.png")));
}

}  // namespace
}  // namespace zeph::report
