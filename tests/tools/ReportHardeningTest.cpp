// The companion's promises under hostile input: exit statuses, one-line refusals, help, pipes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "tools/report/Report.h"

extern char** environ;

namespace zeph::report {
namespace {

using test::Report;
using test::Result;

long Lines(const std::string& s) { return std::count(s.begin(), s.end(), '\n'); }

// The last-but-one and last CSV fields (piston travel and error flag) of each data row.
std::vector<std::pair<double, std::string>> PistonAndError(const std::string& csv)
{
    std::vector<std::pair<double, std::string>> rows;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const auto last = line.rfind(',');
        const auto before = line.rfind(',', last - 1);
        rows.push_back({std::stod(line.substr(before + 1, last - before - 1)), line.substr(last + 1)});
    }
    return rows;
}

// A negative main rod closes in the solver (it squares the rod) but puts the piston outside
// its cylinder; a huge one loses the crank's part of the piston formula to rounding.
TEST(ReportUntrustedFigures, PistonOutsideItsStrokeIsALinkageThatCouldNotClose)
{
    const Result events = Report({"events", "--set", "3=-10", "--csv"});
    EXPECT_EQ(events.status, ExitMechanismError);
    EXPECT_NE(events.err.find("gear mid"), std::string::npos) << events.err;

    const Result pivots = Report({"pivots", "--gear", "fwd", "--set", "3=-10", "--step", "90", "--csv"});
    EXPECT_EQ(pivots.status, ExitMechanismError);
    EXPECT_NE(pivots.err.find("5 of 5"), std::string::npos) << pivots.err;
    for (const auto& [piston, error] : PistonAndError(pivots.out)) {
        EXPECT_LT(piston, 0.0);
        EXPECT_EQ(error, "1");
    }
}

TEST(ReportUntrustedFigures, MainRodTooLongForThePistonFormula)
{
    for (const char* rod : {"3=1e20", "3=1e18", "3=3.40282347e+38", "3=-1e20"}) {
        EXPECT_EQ(Report({"events", "--gear", "mid", "--set", rod, "--csv"}).status, ExitMechanismError) << rod;
        const Result p = Report({"pivots", "--gear", "mid", "--step", "45", "--set", rod, "--csv"});
        EXPECT_EQ(p.status, ExitMechanismError) << rod;
        for (const auto& row : PistonAndError(p.out)) EXPECT_EQ(row.second, "1") << rod;
    }
    // Long but still resolved: the piston moves as a crank with an endless rod would move it.
    const Result p = Report({"pivots", "--gear", "mid", "--angle", "45", "--set", "3=1e9", "--csv"});
    EXPECT_EQ(p.status, ExitOk) << p.err;
    EXPECT_NEAR(PistonAndError(p.out).at(0).first, 320 - 320 * std::cos(std::numbers::pi / 4), 0.0002);
}

TEST(ReportHelp, WinsWhereverItStands)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{"events", "--bogus", "--help"},
                                                                  {"frobnicate", "-h"},
                                                                  {"pivots", "--set", "--help"},
                                                                  {"events", "--step", "0", "--help"},
                                                                  {"--gear", "sideways", "--help"}}) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitOk) << args[0];
        EXPECT_EQ(r.out.rfind("Usage: zepharin-report", 0), 0u);
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
}

TEST(ReportRefusals, OneLineWithAHintAndNoRawControlCharacters)
{
    const Result none = Report({});
    EXPECT_EQ(none.status, ExitUsage);
    EXPECT_TRUE(none.out.empty());
    EXPECT_EQ(Lines(none.err), 1) << none.err;
    EXPECT_NE(none.err.find("--help"), std::string::npos);

    const Result nl = Report({"events", "--set", "3=1\n2\r\x1b[2J\xff"});
    EXPECT_EQ(nl.status, ExitUsage);
    EXPECT_EQ(Lines(nl.err), 1) << nl.err;
    EXPECT_NE(nl.err.find("'1\\n2\\x0d\\x1b[2J\\xff'"), std::string::npos) << nl.err;
    EXPECT_EQ(nl.err.find('\x1b'), std::string::npos);

    const Result quote = Report({"events", "--gear", "it's\\"});
    EXPECT_NE(quote.err.find("'it\\'s\\\\'"), std::string::npos) << quote.err;
}

// A value is judged as the 32-bit real it becomes; a value too small for any real is 0, as the
// number boxes read it.
TEST(ReportNumbers, JudgedAfterRoundingToTheModelsReal)
{
    EXPECT_NE(Report({"events", "--gear", "mid", "--set", "3=3.40282347e+38"}).status, ExitUsage);
    EXPECT_NE(Report({"events", "--gear", "mid", "--set", "16=-3.40282347e+38"}).status, ExitUsage);
    EXPECT_NE(Report({"pivots", "--rev", "3.4028235e38", "--angle", "3.4028235e38"}).status, ExitUsage);
    for (const char* v : {"3=3.4028236e+38", "3=-3.4028236e38", "3=1e39"}) {
        const Result r = Report({"events", "--set", v});
        EXPECT_EQ(r.status, ExitUsage) << v;
        EXPECT_NE(r.err.find("out of range"), std::string::npos) << r.err;
    }
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string zero = Report({"events", "--csv", "--set", "16=0", "--rev", "0"}).out;
    for (const std::string& t : {tiny, "-" + tiny, "+" + tiny, std::string("1e-400"), std::string("0.5e-99999999999")})
        EXPECT_EQ(Report({"events", "--csv", "--set", "16=" + t, "--rev", "0"}).out, zero) << t;
    // Far too large stays refused, however it is written.
    for (const std::string& t : {"1" + std::string(400, '0'), std::string("0.001e400"), std::string("1e99999999999")})
        EXPECT_EQ(Report({"events", "--set", "16=" + t}).status, ExitUsage) << t;
}

// Runs the companion as a shell would (broken-pipe signal at its default) with stdout on a
// pipe whose reader is already gone; returns the wait status.
int RunIntoClosedPipe(const std::vector<std::string>& args)
{
    int fds[2];
    if (pipe(fds) != 0) return -1;
    close(fds[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    std::vector<std::string> words = {ZEPH_REPORT_PROGRAM};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, ZEPH_REPORT_PROGRAM, &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    close(fds[1]);
    int status = -1;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid) return -1;
    return status;
}

TEST(ReportPipes, ClosedPipeIsAFailedWriteNotASignal)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"events", "--gear", "mid", "--step", "10"}, {"pivots", "--gear", "fwd", "--step", "0.01", "--csv"}}) {
        const int status = RunIntoClosedPipe(args);
        ASSERT_TRUE(WIFEXITED(status)) << args[0] << ": ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), ExitWriteFailed) << args[0];
    }
}

}  // namespace
}  // namespace zeph::report
