// Replacing a file whole: every failing call before the new file is in place keeps the old one, what is not a file is refused, nothing is left beside it.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "QStringPrinter.h"
#include "platform/Files.h"
#include "platform/PngFile.h"

using namespace zeph;
using test::ReadBytes;
using test::WriteBytes;

namespace {

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(WriteBytes(Path("old.dzg"), old));
    }
    QString Path(const QString& name) const { return folder.filePath(name); }
    QStringList Entries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    const QByteArray old = QByteArray(1440, 'o');
    const QByteArray fresh = QByteArray(1440, 'n');
};

// The calls made, in order, by the replace under way; the system's own do the work.
QStringList calls;
ssize_t NotedWrite(int fd, const void* data, size_t size) { return calls.append("write"), ::write(fd, data, size); }
int NotedFlush(int fd) { return calls.append("flush"), ::fdatasync(fd); }
int NotedClose(int fd) { return calls.append("close"), ::close(fd); }
int NotedRename(const char* from, const char* to) { return calls.append("rename"), ::rename(from, to); }
int NotedFolderFlush(int fd) { return calls.append("flushFolder"), ::fsync(fd); }

// What the folder holds while the new file is written, without unnamed files.
QString writingIn;
QStringList seenWhileWriting;
ssize_t WriteNotingTheFolder(int fd, const void* data, size_t size)
{
    seenWhileWriting = QDir(writingIn).entryList(QDir::Files | QDir::Hidden);
    return ::write(fd, data, size);
}

}  // namespace

TEST_F(ReplaceFileTest, AFailedWriteFlushCloseOrRenameKeepsTheOldFile)
{
    const struct {
        const char* call;
        void (*fail)(ReplaceCalls&);
        const char* reason;
    } cases[] = {
        {"write", [](ReplaceCalls& c) { c.write = test::FillsTheDisk; }, "No space left on device"},
        {"flush", [](ReplaceCalls& c) { c.flush = test::FailsWithEio; }, "Input/output error"},
        {"close", [](ReplaceCalls& c) { c.close = test::ClosesAndFailsWithEio; }, "Input/output error"},
        {"rename", [](ReplaceCalls& c) { c.rename = test::RenameFailsWithEio; }, "Input/output error"},
    };
    for (bool unnamed : {true, false}) {
        for (const auto& c : cases) {
            ReplaceCalls swapped = ReplaceSystemCalls();
            c.fail(swapped);
            if (!unnamed) swapped.openUnnamed = test::NoUnnamedFiles;
            test::SwappedReplaceCalls swap(swapped);
            const std::optional<ReplaceFailure> failure = ReplaceFile(Path("old.dzg"), fresh);
            ASSERT_TRUE(failure.has_value()) << c.call;
            EXPECT_EQ(failure->reason, c.reason) << c.call;
            EXPECT_FALSE(failure->replaced) << c.call;
            EXPECT_EQ(ReadBytes(Path("old.dzg")), old) << c.call;
            EXPECT_EQ(Entries(), QStringList({"old.dzg"})) << c.call << (unnamed ? "" : ", named");
        }
    }
}

// The folder is flushed after the rename, so that the new entry survives a power cut; when that
// fails the new file is in place and the failure says so.
TEST_F(ReplaceFileTest, TheFolderIsFlushedOnceTheNewFileIsInPlace)
{
    {
        test::SwappedReplaceCalls swap({ReplaceSystemCalls().openUnnamed, NotedWrite, NotedFlush, NotedClose,
                                        NotedRename, NotedFolderFlush});
        calls.clear();
        ASSERT_EQ(ReplaceFile(Path("old.dzg"), fresh), std::nullopt);
    }
    EXPECT_EQ(calls, QStringList({"write", "flush", "close", "rename", "flushFolder"}));

    ReplaceCalls failing = ReplaceSystemCalls();
    failing.flushFolder = test::FailsWithEio;
    test::SwappedReplaceCalls swap(failing);
    const std::optional<ReplaceFailure> failure = ReplaceFile(Path("old.dzg"), old);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->reason, "Input/output error");
    EXPECT_TRUE(failure->replaced);
    EXPECT_EQ(ReadBytes(Path("old.dzg")), old);
}

// Renaming over a pipe or a device would put an ordinary file in its place.
TEST_F(ReplaceFileTest, APipeOrAFolderIsRefusedAndStaysAsItIs)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.dzg")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(Path("pipe.dzg"), Path("link.png")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.dzg"));
    for (const char* name : {"pipe.dzg", "link.png"})
        EXPECT_EQ(ReplaceFile(Path(name), fresh).value_or(ReplaceFailure{}).reason, "Not a regular file") << name;
    EXPECT_EQ(WritePng(QImage(4, 4, QImage::Format_RGB32), Path("pipe.dzg")).value_or(ReplaceFailure{}).reason,
              "Not a regular file");
    EXPECT_EQ(ReplaceFile(Path("folder.dzg"), fresh).value_or(ReplaceFailure{}).reason, "Is a folder, not a file");
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(Path("pipe.dzg")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(Path("link.png")).isSymLink());
    EXPECT_EQ(Entries(), QStringList({"folder.dzg", "link.png", "old.dzg", "pipe.dzg"}));
}

// Where the folder has no unnamed files, the new file is named recognisably while it is
// written; one a killed save left behind is removed by the next save of the same file.
TEST_F(ReplaceFileTest, ANamedNewFileIsHiddenAndOneLeftBehindIsRemovedNextTime)
{
    const QStringList stale = {".old.dzg.tmp-Ab3xZ9", ".old.dzg.tmp-000000"};
    const QStringList others = {".other.dzg.tmp-Ab3xZ9", ".old.dzg.tmp-Ab3xZ", ".old.dzg.tmp-Ab3xZ99",
                                ".old.dzg.tmp-Ab-xZ9", "old.dzg.tmp-Ab3xZ9", "old.dzg.Ab3xZ9"};
    for (const QString& name : stale + others) ASSERT_TRUE(WriteBytes(Path(name), "left"));
    ReplaceCalls named = ReplaceSystemCalls();
    named.openUnnamed = test::NoUnnamedFiles;
    named.write = WriteNotingTheFolder;
    writingIn = folder.path();
    test::SwappedReplaceCalls swap(named);
    ASSERT_EQ(ReplaceFile(Path("old.dzg"), fresh), std::nullopt);

    EXPECT_EQ(ReadBytes(Path("old.dzg")), fresh);
    QStringList expected = others + QStringList{"old.dzg"};
    expected.sort();
    EXPECT_EQ(Entries(), expected);
    QStringList newFiles = seenWhileWriting;
    for (const QString& there : others + QStringList{"old.dzg"}) newFiles.removeAll(there);
    ASSERT_EQ(newFiles.size(), 1) << seenWhileWriting.join(' ').toStdString();
    EXPECT_TRUE(QRegularExpression("^\\.old\\.dzg\\.tmp-[A-Za-z0-9]{6}$").match(newFiles[0]).hasMatch());
}

// A link stays a link to the replaced file, and the file keeps its permissions.
TEST_F(ReplaceFileTest, AReplacedFileKeepsItsLinkAndItsPermissions)
{
    ASSERT_TRUE(QFile::link(Path("old.dzg"), Path("link.dzg")));
    ASSERT_EQ(::chmod(QFile::encodeName(Path("old.dzg")).constData(), 0640), 0);
    ASSERT_EQ(ReplaceFile(Path("link.dzg"), fresh), std::nullopt);
    EXPECT_TRUE(QFileInfo(Path("link.dzg")).isSymLink());
    EXPECT_EQ(ReadBytes(Path("old.dzg")), fresh);
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(Path("old.dzg")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
