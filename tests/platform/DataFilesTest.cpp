// The data files are found in the current directory first, then in the installed folder; files are read without blocking on what is not a file.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "QStringPrinter.h"
#include "platform/DataFiles.h"
#include "platform/Files.h"

using namespace zeph;
using test::WriteBytes;

namespace {

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath("here");
        QDir(root.path()).mkpath("prefix/bin");
        QDir(root.path()).mkpath("prefix/share/zepharin");
        previous = QDir::currentPath();
        QDir::setCurrent(Here());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QString Here() const { return root.filePath("here"); }
    QString Installed() const { return root.filePath("prefix/share/zepharin"); }
    QStringList Folders() const { return {Here(), InstalledDataFolder(root.filePath("prefix/bin"))}; }

    QTemporaryDir root;
    QString previous;
};

}  // namespace

TEST_F(DataFilesTest, TheInstalledFolderIsShareZepharinBesideTheProgramsFolder)
{
    EXPECT_EQ(InstalledDataFolder("/opt/zeph/bin"), "/opt/zeph/share/zepharin");
    EXPECT_EQ(InstalledDataFolder("/usr/local/bin/"), "/usr/local/share/zepharin");
    EXPECT_EQ(InstalledDataFolder(root.filePath("prefix/bin")), Installed());
    // The running program's own folders: where it was started, then beside its executable.
    EXPECT_EQ(DataFolders(),
              QStringList({QDir::currentPath(), InstalledDataFolder(QCoreApplication::applicationDirPath())}));
}

TEST_F(DataFilesTest, TheCurrentDirectoryComesFirstThenTheInstalledFolder)
{
    ASSERT_TRUE(WriteBytes(Installed() + "/Exhaust.wav", "installed"));
    ASSERT_TRUE(WriteBytes(Installed() + "/instruct.doc", "installed"));
    ASSERT_TRUE(WriteBytes(Here() + "/instruct.doc", "here"));

    EXPECT_EQ(FindDataFile("instruct.doc", Folders()), Here() + "/instruct.doc");
    EXPECT_EQ(FindDataFile("Exhaust.wav", Folders()), Installed() + "/Exhaust.wav");
    // Found nowhere: named in the current directory, where opening it reports it missing.
    EXPECT_EQ(FindDataFile("Error.wav", Folders()), Here() + "/Error.wav");
    // Something of that name that is not a file does not hide the installed file.
    QDir(Here()).mkdir("Exhaust.wav");
    EXPECT_EQ(FindDataFile("Exhaust.wav", Folders()), Installed() + "/Exhaust.wav");
    EXPECT_EQ(FindDataFile("/etc/hostname", Folders()), "/etc/hostname");
}

TEST_F(DataFilesTest, ReadingGivesTheFileStartOrTheSystemsReason)
{
    ASSERT_TRUE(WriteBytes("ten.bin", "0123456789"));
    EXPECT_EQ(ReadFileStart("ten.bin", 100).bytes, "0123456789");
    EXPECT_EQ(ReadFileStart("ten.bin", 4).bytes, "0123");
    EXPECT_TRUE(ReadFileStart("ten.bin", 4).ok());
    ASSERT_TRUE(WriteBytes("empty.bin", ""));
    EXPECT_TRUE(ReadFileStart("empty.bin", 4).ok());

    EXPECT_EQ(ReadFileStart("missing.bin", 4).error, "No such file or directory");
    QDir(Here()).mkdir("folder");
    EXPECT_EQ(ReadFileStart("folder", 4).error, "Is a folder, not a file");
}

// A pipe with no writer would block a plain open for ever; it is refused before it is opened.
TEST_F(DataFilesTest, APipeIsRefusedWithoutWaitingOnIt)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Here() + "/pipe").constData(), 0644), 0);
    const FileBytes read = ReadFileStart("pipe", 4);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.error, "Not a regular file");
    EXPECT_EQ(ReadFileStart("/dev/zero", 4).error, "Not a regular file");
}

TEST_F(DataFilesTest, AFileWithoutReadPermissionGivesTheSystemsReason)
{
    ASSERT_TRUE(WriteBytes("secret.bin", "x"));
    QFile::setPermissions("secret.bin", QFileDevice::WriteOwner);
    QFile::setPermissions(root.path(), QFileDevice::Permissions(0x7755));
    QFile::setPermissions(Here(), QFileDevice::Permissions(0x7755));
    test::AsOrdinaryUser user;
    ASSERT_TRUE(user.Holds());
    EXPECT_EQ(ReadFileStart(Here() + "/secret.bin", 4).error, "Permission denied");
}

TEST_F(DataFilesTest, AReplacedFileIsWhollyNewOrAsItWas)
{
    const QByteArray old(1440, 'o');
    ASSERT_TRUE(WriteBytes("design.dzg", old));
    const QByteArray fresh(1440, 'n');
    {
        test::FileSizeLimit limit(700);  // the new file stops growing halfway
        const std::optional<ReplaceFailure> failure = ReplaceFile("design.dzg", fresh);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->reason, "File too large");
    }
    EXPECT_EQ(test::ReadBytes("design.dzg"), old);
    EXPECT_EQ(QDir(Here()).entryList(QDir::Files | QDir::Hidden), QStringList({"design.dzg"}));

    EXPECT_EQ(ReplaceFile("design.dzg", fresh), std::nullopt);
    EXPECT_EQ(test::ReadBytes("design.dzg"), fresh);
    EXPECT_EQ(ReplaceFile("new.dzg", "abc"), std::nullopt);
    EXPECT_EQ(test::ReadBytes("new.dzg"), "abc");
    EXPECT_EQ(ReplaceFile(Here() + "/no/such/folder/x.dzg", "abc").value_or(ReplaceFailure{}).reason,
              QString("No such file or directory"));
}
