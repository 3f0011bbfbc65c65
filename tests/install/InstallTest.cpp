// `cmake --install` into a fresh prefix: the layout, the desktop entry and design-file type, and the installed program finding its data from another folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "QStringPrinter.h"
#include "platform/DataFiles.h"

using namespace zeph;
using test::ReadBytes;

namespace {

struct Finished {
    int status = -1;
    QString out;
};

// Runs a program to its end (60 s at most) with its output and error streams merged.
Finished RunProgram(const QString& program, const QStringList& args,
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000)) return {-1, "did not finish: " + p.errorString()};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}

// Starts the simulator offscreen in `folder` and reads its error stream until one of `marks`
// shows, which tells how far its start-up went; the program is then ended. Each error box it
// shows is written there too, and waits for a click that never comes.
QString StartUntil(const QString& program, const QString& folder, const QStringList& args, const QStringList& marks)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setReadChannel(QProcess::StandardError);
    p.start(program, args);
    QString err;
    auto marked = [&] {
        for (const QString& mark : marks)
            if (err.contains(mark)) return true;
        return false;
    };
    while (!marked() && p.state() != QProcess::NotRunning && p.waitForReadyRead(60000))
        err += QString::fromLocal8Bit(p.readAllStandardError());
    p.kill();
    p.waitForFinished(10000);
    return err + QString::fromLocal8Bit(p.readAllStandardError());
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = new QTemporaryDir();
        ASSERT_TRUE(prefix->isValid());
        installed = RunProgram(ZEPH_CMAKE_COMMAND, {"--install", ZEPH_BUILD_DIR, "--prefix", prefix->path()});
    }
    static void TearDownTestSuite()
    {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override { ASSERT_EQ(installed.status, 0) << installed.out.toStdString(); }

    static QString In(const QString& relative) { return prefix->filePath(relative); }

    static inline QTemporaryDir* prefix = nullptr;
    static inline Finished installed;
};

}  // namespace

TEST_F(InstallTest, ProgramsGoToBinAndTheirDataToShareZepharin)
{
    for (const char* program : {"bin/zepharin", "bin/zepharin-report"}) {
        const QFileInfo info(In(program));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    // Where the installed simulator looks, worked out from its own folder.
    const QString data = InstalledDataFolder(In("bin"));
    EXPECT_EQ(data, In("share/zepharin"));
    for (const char* text : {"instruct.doc", "ZpISpIns.doc"})
        EXPECT_EQ(ReadBytes(data + "/" + text), ReadBytes(QString(ZEPH_SOURCE_DIR) + "/data/" + text)) << text;
    for (const char* sound : {"Exhaust.wav", "Error.wav"}) {
        const QByteArray wav = ReadBytes(data + "/" + sound);
        EXPECT_TRUE(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE") << sound;
    }
    EXPECT_TRUE(QFileInfo(In("share/applications/zepharin.desktop")).isFile());
    EXPECT_TRUE(QFileInfo(In("share/icons/hicolor/scalable/apps/zepharin.svg")).isFile());
    EXPECT_TRUE(QFileInfo(In("share/mime/packages/zepharin.xml")).isFile());

    const Finished report = RunProgram(In("bin/zepharin-report"), {"--help"});
    EXPECT_EQ(report.status, 0) << report.out.toStdString();
}

// The manual pages go gzipped to share/man/man1, each the page of the source once unpacked.
TEST_F(InstallTest, ManualPagesGoGzippedToShareMan)
{
    for (const QString page : {"zepharin.1", "zepharin-report.1"}) {
        const QString gz = In("share/man/man1/" + page + ".gz");
        ASSERT_TRUE(QFileInfo(gz).isFile()) << page.toStdString();
        QProcess gunzip;
        gunzip.start("gzip", {"-dc", gz});
        ASSERT_TRUE(gunzip.waitForFinished(60000)) << page.toStdString();
        EXPECT_EQ(gunzip.exitCode(), 0) << page.toStdString();
        EXPECT_EQ(gunzip.readAllStandardOutput(), ReadBytes(QString(ZEPH_SOURCE_DIR) + "/man/" + page))
            << page.toStdString();
    }
}

// Staged with DESTDIR, as cpack stages the package, everything lands under DESTDIR and the desktop's
// caches are left alone: neither made among the staged files (the package would ship them) nor
// refreshed under the prefix itself (which for the package is the live /usr).
TEST_F(InstallTest, AStagedInstallLeavesTheDesktopCachesAlone)
{
    QTemporaryDir root;
    const QString prefix = root.filePath("prefix");
    const QString stage = root.filePath("stage");
    ASSERT_TRUE(QDir().mkpath(prefix + "/share/mime/packages") && QDir().mkpath(prefix + "/share/applications"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", stage);
    const Finished staged = RunProgram(ZEPH_CMAKE_COMMAND, {"--install", ZEPH_BUILD_DIR, "--prefix", prefix}, env);
    ASSERT_EQ(staged.status, 0) << staged.out.toStdString();

    const QString stagedPrefix = stage + prefix;
    EXPECT_TRUE(QFileInfo(stagedPrefix + "/bin/zepharin").isExecutable());
    EXPECT_TRUE(QFileInfo(stagedPrefix + "/share/mime/packages/zepharin.xml").isFile());
    EXPECT_TRUE(QFileInfo(stagedPrefix + "/share/man/man1/zepharin.1.gz").isFile());
    for (const QString& under : {stagedPrefix, prefix}) {
        EXPECT_EQ(QDir(under + "/share/mime").entryList(QDir::Files), QStringList()) << under.toStdString();
        EXPECT_FALSE(QFileInfo::exists(under + "/share/applications/mimeinfo.cache")) << under.toStdString();
    }
}

TEST_F(InstallTest, TheDesktopEntryIsValidAndOpensDesignFiles)
{
    const QString entry = In("share/applications/zepharin.desktop");
    const Finished validate = RunProgram("desktop-file-validate", {entry});
    EXPECT_EQ(validate.status, 0) << "desktop-file-validate: " << validate.out.toStdString();
    EXPECT_TRUE(validate.out.isEmpty()) << validate.out.toStdString();

    const QString text = QString::fromUtf8(ReadBytes(entry));
    EXPECT_TRUE(text.contains("\nExec=zepharin %f\n"));
    EXPECT_TRUE(text.contains("\nIcon=zepharin\n"));
    EXPECT_TRUE(text.contains("\nMimeType=application/x-zepharin-design;\n"));
    const QString types = QString::fromUtf8(ReadBytes(In("share/mime/packages/zepharin.xml")));
    EXPECT_TRUE(types.contains("<mime-type type=\"application/x-zepharin-design\">"));
    EXPECT_TRUE(types.contains("<glob pattern=\"*.dzg\"/>"));
}

// The type database built from the installed description maps *.dzg to the design type.
TEST_F(InstallTest, TheTypeDatabaseKnowsDesignFiles)
{
    QTemporaryDir mime;
    ASSERT_TRUE(QDir(mime.path()).mkpath("packages"));
    ASSERT_TRUE(QFile::copy(In("share/mime/packages/zepharin.xml"), mime.filePath("packages/zepharin.xml")));
    const Finished update = RunProgram("update-mime-database", {mime.path()});
    if (update.status == -1 && update.out.contains("did not finish")) GTEST_SKIP() << "no update-mime-database";
    ASSERT_EQ(update.status, 0) << update.out.toStdString();
    EXPECT_TRUE(ReadBytes(mime.filePath("globs2")).contains("application/x-zepharin-design:*.dzg"));
}

// Started from a folder holding none of its files, the installed program still finds its help
// texts: it gets as far as the design named on its command line (refused, as it does not exist)
// without a word about them. The same program copied away from its share folder does not.
TEST_F(InstallTest, TheInstalledProgramFindsItsDataFromAnotherFolder)
{
    QTemporaryDir elsewhere;
    const QStringList marks = {"Cannot open the design", "Error Loading"};
    const QString err = StartUntil(In("bin/zepharin"), elsewhere.path(), {"absent.dzg"}, marks);
    EXPECT_TRUE(err.contains("zepharin: Cannot open the design absent.dzg")) << err.toStdString();
    EXPECT_FALSE(err.contains("Error Loading")) << err.toStdString();

    ASSERT_TRUE(QDir(elsewhere.path()).mkpath("bin"));
    ASSERT_TRUE(QFile::copy(In("bin/zepharin"), elsewhere.filePath("bin/zepharin")));
    const QString stray = StartUntil(elsewhere.filePath("bin/zepharin"), elsewhere.path(), {"absent.dzg"}, marks);
    EXPECT_TRUE(stray.contains("zepharin: Error Loading instruct.doc: No such file or directory")) << stray.toStdString();
}

// --help and --version answer without a display and open no window; another option is refused
// rather than opened as a design of that name.
TEST_F(InstallTest, TheSimulatorAnswersHelpAndVersionAndRefusesOtherOptions)
{
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) noDisplay.remove(name);
    const Finished help = RunProgram(In("bin/zepharin"), {"--help"}, noDisplay);
    EXPECT_EQ(help.status, 0) << help.out.toStdString();
    EXPECT_TRUE(help.out.startsWith("Usage: zepharin")) << help.out.toStdString();
    const Finished version = RunProgram(In("bin/zepharin"), {"--version"}, noDisplay);
    EXPECT_EQ(version.status, 0) << version.out.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("zepharin %1\n").arg(ZEPH_VERSION));

    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* option : {"-x", "--design"}) {
        const Finished refused = RunProgram(In("bin/zepharin"), {option, "absent.dzg"}, offscreen);
        EXPECT_EQ(refused.status, 2) << refused.out.toStdString();
        EXPECT_EQ(refused.out.count("zepharin: "), 1) << refused.out.toStdString();
        EXPECT_TRUE(refused.out.contains(QStringLiteral("unknown option %1").arg(option))) << refused.out.toStdString();
    }
}
