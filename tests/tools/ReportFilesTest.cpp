// The companion's files: a pipe given as a design or a picture is refused at once, and a picture replaces an old one only once it is whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "FileTestSupport.h"
#include "ReportTestSupport.h"
#include "tools/report/Report.h"

extern char** environ;

namespace zeph::report {
namespace {

using test::Report;
using test::Result;

struct Finished {
    bool ended = false;  // false: still running at the deadline, and ended there
    int status = -1;
};

// Runs the companion with its error stream in `errFile`. The deadline only keeps a run that
// blocks from holding up the tests for ever; a run that works ends long before it.
Finished RunCompanion(std::vector<std::string> args, const std::string& errFile)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    args.insert(args.begin(), ZEPH_REPORT_PROGRAM);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, ZEPH_REPORT_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return {};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {true, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

bool IsPipe(const QString& path)
{
    struct stat st{};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

class ReportFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0644), 0);
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string Errors() const { return zeph::test::ReadBytes(dir.filePath("err.txt")).toStdString(); }

    QTemporaryDir dir;
};

}  // namespace

// Opening a pipe without a writer, or writing one without a reader, would wait for ever.
TEST_F(ReportFiles, APipeAsTheDesignOrThePictureIsRefusedAtOnce)
{
    const Finished design = RunCompanion({"steam", "--design", Path("pipe")}, Path("err.txt"));
    ASSERT_TRUE(design.ended) << "the design on a pipe blocked the report";
    EXPECT_EQ(design.status, ExitUsage);
    EXPECT_NE(Errors().find("Not a regular file"), std::string::npos) << Errors();

    const Finished picture = RunCompanion({"diagram", "sine", "--png", Path("pipe")}, Path("err.txt"));
    ASSERT_TRUE(picture.ended) << "the picture on a pipe blocked the report";
    EXPECT_EQ(picture.status, ExitWriteFailed);
    EXPECT_NE(Errors().find("Not a regular file"), std::string::npos) << Errors();
    EXPECT_TRUE(IsPipe(dir.filePath("pipe")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"err.txt", "pipe"}));
}

// A disk that fills up midway, or a flush that fails, leaves the old picture and is status 3.
TEST_F(ReportFiles, APictureThatCannotBeWrittenWholeLeavesTheOldOne)
{
    const QString picture = dir.filePath("sine.png");
    ASSERT_TRUE(zeph::test::WriteBytes(picture, "old picture"));
    void (*const failures[])(ReplaceCalls&) = {
        [](ReplaceCalls& c) { c.write = zeph::test::FillsTheDisk; },
        [](ReplaceCalls& c) { c.flush = zeph::test::FailsWithEio; },
    };
    for (const auto fail : failures) {
        ReplaceCalls calls = ReplaceSystemCalls();
        fail(calls);
        zeph::test::SwappedReplaceCalls swap(calls);
        const Result r = Report({"diagram", "sine", "--png", picture.toStdString()});
        EXPECT_EQ(r.status, ExitWriteFailed);
        EXPECT_NE(r.err.find("could not write the picture"), std::string::npos) << r.err;
        EXPECT_EQ(zeph::test::ReadBytes(picture), "old picture");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"sine.png"}));
}

}  // namespace zeph::report
